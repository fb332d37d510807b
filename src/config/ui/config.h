#pragma once

// The colour configuration window: three bars for the panel colour of the main
// window and three for the page colour, each change applied to the state at
// once (the main window follows the state).

#include <QDialog>

#include <array>

class ApplicationState;
class QLabel;
class QScrollBar;

class Config : public QDialog
{
    Q_OBJECT
public:
    explicit Config(ApplicationState& state, QWidget* parent = nullptr);

    QScrollBar* hScroll(int index) const { return m_hScroll.at(index); }   // 1..3
    QScrollBar* hScroll1(int index) const { return m_hScroll1.at(index); } // 1..3

public Q_SLOTS:
    void HScroll_Change(int index);
    void HScroll1_Change(int index);
    void ResetKnop_Click();
    void OkKnop_Click();

private:
    void Form_Load();
    void showHex();

    ApplicationState& m_state;
    std::array<QScrollBar*, 4> m_hScroll{};
    std::array<QScrollBar*, 4> m_hScroll1{};
    QLabel* m_label7 = nullptr;
    QLabel* m_label8 = nullptr;
    QLabel* m_swatch7 = nullptr; // the mixed colours beside their hexadecimal values
    QLabel* m_swatch8 = nullptr;
};
