#include "canvas/ui/pic_edit.h"

#include "canvas/ui/floating_outline.h"

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

PicEdit::PicEdit(CanvasDocument& document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
    setObjectName(QStringLiteral("PicEdit"));
    setAccessibleName(QStringLiteral("Tekenvlak"));
    setAccessibleDescription(QStringLiteral("Het velletje, 500 x 260 pixels"));
    setFixedSize(CanvasSize);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus); // takes the keys that place a text, outside the Tab chain
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_document, &CanvasDocument::changed, this, qOverload<>(&QWidget::update));
}

void PicEdit::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_document.shown(), event->rect());
    if (const std::optional<FloatingItem>& floating = m_document.floating())
        FloatingOutline::paint(painter, *floating, 1);
}

void PicEdit::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mousePressed(event->button(), canvasPoint(event));
}

void PicEdit::mouseMoveEvent(QMouseEvent* event)
{
    const std::optional<FloatingItem>& floating = m_document.floating();
    if (!event->buttons())
        setCursor(floating ? FloatingOutline::cursor(*floating, canvasPoint(event)) : Qt::ArrowCursor);
    Q_EMIT mouseMoved(event->buttons(), event->modifiers(), canvasPoint(event));
}

void PicEdit::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseReleased(event->button(), canvasPoint(event));
}
