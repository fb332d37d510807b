#pragma once

// The canvas enlarged a whole number of times (2 to 16), each canvas pixel a
// square of screen pixels, with a grid between them from 4 times on. Mouse
// presses, moves and releases are passed on in canvas pixels, exactly as the
// canvas itself passes them, so every drawing tool works the same here.

#include "canvas/canvas_document.h"

#include <QWidget>

class ZoomView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MinimumFactor = 2, MaximumFactor = 16, GridFrom = 4;

    explicit ZoomView(CanvasDocument& document, QWidget* parent = nullptr);

    int factor() const { return m_factor; }
    // Clamped to MinimumFactor..MaximumFactor.
    void setFactor(int factor);

    // The canvas pixel under a point of the view.
    QPointF canvasPoint(QPointF viewPoint) const;

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, QPointF position);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF position);
    void mouseReleased(Qt::MouseButton button, QPointF position);
    void factorChanged(int factor);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CanvasDocument& m_document;
    int m_factor = MinimumFactor;
};
