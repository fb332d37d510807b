#pragma once

// "Vergroting": a window beside the main window with the canvas enlarged 200
// to 1600 percent, scrollable and resizable, the mouse position in canvas
// pixels below it. It shows the canvas live and draws on it with the same
// tools as the canvas itself.

#include <QDialog>

class CanvasDocument;
class QComboBox;
class QLabel;
class QScrollArea;
class ZoomView;

class ZoomWindow : public QDialog
{
    Q_OBJECT
public:
    ZoomWindow(CanvasDocument& document, QWidget* parent);

    ZoomView* view() const { return m_view; }

public Q_SLOTS:
    // One whole step larger or smaller (Ctrl++ and Ctrl+-), opening the window if it was closed.
    void zoomIn();
    void zoomOut();

private:
    void zoomBy(int step);

    ZoomView* m_view = nullptr;
    QScrollArea* m_scroll = nullptr;
    QComboBox* m_factors = nullptr;
    QLabel* m_position = nullptr;
};
