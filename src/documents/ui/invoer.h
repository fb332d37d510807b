#pragma once

// The field entry window Invoer: one text line for the place name, catalogue
// number, year or page, chosen by the mode byte (21 to 24). It checks the year
// itself and hands the entered text back; the caller stores it.

#include <QDialog>

#include <cstdint>

struct ApplicationState;
class Interaction;
class QLabel;
class QLineEdit;
class QPushButton;

class Invoer : public QDialog
{
    Q_OBJECT
public:
    Invoer(const ApplicationState& state, Interaction& interaction, QWidget* parent = nullptr);

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
    void Form_Load(const ApplicationState& state);

    Interaction& m_interaction;
    std::uint8_t m_mode = 0;
};
