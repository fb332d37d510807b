#pragma once

// The editing canvas PicEdit: shows the canvas picture (500 x 260 pixels) and
// passes mouse presses, moves and releases on in canvas pixels. It holds no
// drawing logic of its own.

#include <QImage>
#include <QWidget>

class PicEdit : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize CanvasSize{500, 260};

    explicit PicEdit(QWidget* parent = nullptr);

    const QImage& image() const { return m_image; }
    QImage& image() { return m_image; }
    // Replaces the picture; it is converted to the canvas format and size 500 x 260.
    void setImage(const QImage& image);

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, QPointF position);
    void mouseMoved(Qt::MouseButtons buttons, QPointF position);
    void mouseReleased(Qt::MouseButton button, QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
};
