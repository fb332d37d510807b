#include "canvas/ui/zoom_view.h"

#include "canvas/ui/floating_outline.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

ZoomView::ZoomView(CanvasDocument& document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
    setObjectName(QStringLiteral("ZoomView"));
    setAccessibleName(QStringLiteral("Vergroot tekenvlak"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(CanvasDocument::Size * m_factor);
    connect(&m_document, &CanvasDocument::changed, this, qOverload<>(&QWidget::update));
}

void ZoomView::setFactor(int factor)
{
    factor = std::clamp(factor, MinimumFactor, MaximumFactor);
    if (factor == m_factor)
        return;
    m_factor = factor;
    setFixedSize(CanvasDocument::Size * m_factor);
    update();
    Q_EMIT factorChanged(factor);
}

QPointF ZoomView::canvasPoint(QPointF viewPoint) const
{
    // The whole pixel under the pointer, as the canvas reports whole pixels.
    return QPointF(std::floor(viewPoint.x() / m_factor), std::floor(viewPoint.y() / m_factor));
}

void ZoomView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // Only the canvas pixels the exposed part shows, each drawn as a square.
    const QRect exposed = event->rect();
    const QRect pixels = QRect(exposed.topLeft() / m_factor, exposed.bottomRight() / m_factor)
                             .intersected(QRect(QPoint(0, 0), CanvasDocument::Size));
    const QImage& image = m_document.shown();
    painter.drawImage(QRect(pixels.topLeft() * m_factor, pixels.size() * m_factor), image.copy(pixels));
    if (m_factor >= GridFrom) {
        painter.setPen(QColor(128, 128, 128, 110));
        for (int x = pixels.left(); x <= pixels.right() + 1; ++x)
            painter.drawLine(x * m_factor, exposed.top(), x * m_factor, exposed.bottom());
        for (int y = pixels.top(); y <= pixels.bottom() + 1; ++y)
            painter.drawLine(exposed.left(), y * m_factor, exposed.right(), y * m_factor);
    }
    if (const std::optional<FloatingItem>& floating = m_document.floating())
        FloatingOutline::paint(painter, *floating, m_factor);
}

void ZoomView::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mousePressed(event->button(), canvasPoint(event->position()));
}

void ZoomView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = canvasPoint(event->position());
    const std::optional<FloatingItem>& floating = m_document.floating();
    if (!event->buttons())
        setCursor(floating ? FloatingOutline::cursor(*floating, at) : Qt::ArrowCursor);
    Q_EMIT mouseMoved(event->buttons(), event->modifiers(), at);
}

void ZoomView::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseReleased(event->button(), canvasPoint(event->position()));
}
