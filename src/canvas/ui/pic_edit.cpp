#include "canvas/ui/pic_edit.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// Mouse positions arrive as whole canvas pixels, as the canvas always reported them.
QPointF canvasPoint(const QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    return QPointF(p);
}
} // namespace

PicEdit::PicEdit(QWidget* parent)
    : QWidget(parent)
    , m_image(CanvasSize, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("PicEdit"));
    setFixedSize(CanvasSize);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_image.fill(Qt::white);
}

void PicEdit::setImage(const QImage& image)
{
    QImage converted = image.convertToFormat(QImage::Format_RGB32);
    if (converted.size() != CanvasSize) {
        QImage sized(CanvasSize, QImage::Format_RGB32);
        sized.fill(Qt::white);
        QPainter painter(&sized);
        painter.drawImage(0, 0, converted);
        converted = sized;
    }
    m_image = converted;
    update();
}

void PicEdit::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void PicEdit::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mousePressed(event->button(), canvasPoint(event));
}

void PicEdit::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved(event->buttons(), canvasPoint(event));
}

void PicEdit::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseReleased(event->button(), canvasPoint(event));
}
