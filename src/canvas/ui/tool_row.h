#pragma once

// The twelve tool buttons of the editing area and the marker under the
// selected one. A click chooses the button's tool in the application state;
// the marker follows the state, whoever sets the mode, so it never shows a
// tool that is not selected.

#include "app/tool_mode.h"

#include <QWidget>

#include <array>

class ApplicationState;
class QLabel;
class QToolButton;

class ToolRow : public QWidget
{
    Q_OBJECT
public:
    // Placed in the editing area at the row's place; the buttons start disabled.
    ToolRow(ApplicationState& state, QWidget* area);

    void setButtonsEnabled(bool on);

public Q_SLOTS:
    void Knop_Click(int index);

private:
    void showMode(ToolMode mode);

    ApplicationState& m_state;
    std::array<QToolButton*, 13> m_knop{}; // index 1..12
    QLabel* m_knopPijl = nullptr;
};
