#include "canvas/ui/floating_outline.h"

#include <QPainter>

namespace FloatingOutline {

void paint(QPainter& painter, const FloatingItem& item, int factor)
{
    // Just outside the item's pixels, black and white dashes, so that it shows on any picture.
    const QRect outline(item.rect.topLeft() * factor - QPoint(1, 1), item.rect.size() * factor + QSize(1, 1));
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(outline);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(outline);
    if (item.resizable) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        // Centred on the corners of the drawn outline, which covers one pixel more than the rectangle each way.
        const int left = outline.left(), right = left + outline.width();
        const int top = outline.top(), bottom = top + outline.height();
        const QPoint corners[] = {{left, top}, {right, top}, {left, bottom}, {right, bottom}};
        for (const QPoint& corner : corners)
            painter.drawRect(QRect(corner - QPoint(2, 2), QSize(4, 4)));
    }
    painter.restore();
}

Qt::CursorShape cursor(const FloatingItem& item, QPointF at)
{
    switch (FloatingGrip::gripAt(item.rect, item.resizable, at)) {
    case FloatingGrip::Grip::None:
        return Qt::ArrowCursor;
    case FloatingGrip::Grip::Move:
        return Qt::SizeAllCursor;
    case FloatingGrip::Grip::TopLeft:
    case FloatingGrip::Grip::BottomRight:
        return Qt::SizeFDiagCursor;
    case FloatingGrip::Grip::TopRight:
    case FloatingGrip::Grip::BottomLeft:
        return Qt::SizeBDiagCursor;
    }
    return Qt::ArrowCursor;
}

} // namespace FloatingOutline
