#pragma once

// The field entry window Invoer: one text line for the place name, catalogue
// number, year or page, chosen by the mode byte (21 to 24). It checks the
// entry itself and hands the entered text back; the caller stores it.

#include <QDialog>

#include <cstdint>

class Interaction;
class QLabel;
class QLineEdit;
class QPushButton;

class Invoer : public QDialog
{
    Q_OBJECT
public:
    // value: the field's current value, which the text line starts with.
    Invoer(std::uint8_t gereedschap, const QString& value, Interaction& interaction, QWidget* parent = nullptr);

    // The entered text, as typed (blanks included).
    QString text() const;

    QLineEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* OkKnop = nullptr;
    QPushButton* CancelKnop = nullptr;

public Q_SLOTS:
    void OkKnop_Click();
    void CancelKnop_Click();

private:
    void Form_Load(const QString& value);

    Interaction& m_interaction;
    std::uint8_t m_mode = 0;
};
