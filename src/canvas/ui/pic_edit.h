#pragma once

// The editing canvas PicEdit: shows the canvas picture (500 x 260 pixels) and
// passes mouse presses, moves and releases on in canvas pixels. The picture
// and its undo history live in the supplement's CanvasDocument, which the
// widget only draws; every command that changes the picture goes through
// document().change(...) so that it can be undone.

#include "canvas/canvas_document.h"

#include <QImage>
#include <QWidget>

class PicEdit : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize CanvasSize = CanvasDocument::Size;

    explicit PicEdit(CanvasDocument& document, QWidget* parent = nullptr);

    const QImage& image() const { return m_document.image(); }

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, QPointF position);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF position);
    void mouseReleased(Qt::MouseButton button, QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CanvasDocument& m_document;
};
