#pragma once

// An outline shape laid over the canvas: the eraser outline Gum and the
// rubber band Layer. It lets every mouse event through to the canvas.

#include <QWidget>

class CanvasOverlay : public QWidget
{
    Q_OBJECT
public:
    CanvasOverlay(const QString& name, QWidget* canvas);

    // Shows the outline at rect (canvas pixels); an empty rect shows nothing.
    void showAt(const QRect& rect);

protected:
    void paintEvent(QPaintEvent* event) override;
};
