#pragma once

// The description window TekstForm: a word-wrapping editor that shows how many
// lines the description takes on screen. "Ok" hands back the text and its
// displayed lines; a description longer than fits the supplement is refused.

#include <QDialog>
#include <QStringList>

class Interaction;
class QLabel;
class QTextEdit;
class QPushButton;

class TekstForm : public QDialog
{
    Q_OBJECT
public:
    TekstForm(const QString& text, Interaction& interaction, QWidget* parent = nullptr);

    QString text() const;
    // The displayed lines; set when the window is accepted.
    const QStringList& lines() const { return m_lines; }

    QTextEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* PasLabel = nullptr; // how many lines the printed album page holds
    QPushButton* NewKnop = nullptr;
    QPushButton* OkKnop = nullptr;
    QPushButton* CancelKnop = nullptr;

public Q_SLOTS:
    void Text1_Change();
    void NewKnop_Click();
    void OkKnop_Click();
    void CancelKnop_Click();

private:
    Interaction& m_interaction;
    QStringList m_lines;
};
