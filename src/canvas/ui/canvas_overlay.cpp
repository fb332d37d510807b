#include "canvas/ui/canvas_overlay.h"

#include <QPainter>

CanvasOverlay::CanvasOverlay(const QString& name, QWidget* canvas)
    : QWidget(canvas)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void CanvasOverlay::showAt(const QRect& rect)
{
    setGeometry(rect);
    setVisible(!rect.isEmpty());
    raise();
}

void CanvasOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Black dashes on white stay visible on any picture.
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
