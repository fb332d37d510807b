#pragma once

// The line-width slider of the editing area with its read-out "Lijndikte : N
// pixel". The slider sets the line width of the application state, which the
// drawing tools and the perforation take; the read-out follows the state.

#include <QWidget>

class ApplicationState;
class QLabel;
class QScrollBar;

class LineWidth : public QWidget
{
    Q_OBJECT
public:
    // Placed in the editing area; the slider starts disabled.
    LineWidth(ApplicationState& state, QWidget* area);

    void setSliderEnabled(bool on);

public Q_SLOTS:
    void Slider1_Change();

private:
    ApplicationState& m_state;
    QLabel* m_label12 = nullptr;
    QScrollBar* m_slider1 = nullptr;
};
