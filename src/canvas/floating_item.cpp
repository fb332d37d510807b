#include "canvas/floating_item.h"

#include "canvas/picture_difference.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>

FloatingItem FloatingItem::picture(const QString& name, const QImage& picture, const QRect& target)
{
    // The last scaling is kept: moving the item draws the same pixels again without scaling anew.
    auto scaled = std::make_shared<QImage>();
    auto draw = [picture, scaled](QImage& canvas, const QRect& at) {
        if (scaled->size() != at.size())
            *scaled = picture.scaled(at.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(at.topLeft(), *scaled);
    };
    return {name, target, true, false, std::move(draw)};
}

FloatingItem FloatingItem::drawing(const QString& name, std::function<void(QImage&, QPoint)> draw)
{
    // Measured on a field three canvases wide and high, so that a part beyond the canvas counts too.
    const QSize field(1500, 780);
    const QPoint middle(500, 260);
    QRect bounds;
    for (const QRgb fill : {qRgb(0, 0, 0), qRgb(255, 255, 255)}) {
        QImage empty(field, QImage::Format_RGB32);
        empty.fill(fill);
        QImage measure = empty.copy();
        draw(measure, middle);
        bounds |= changedRect(empty, measure);
    }
    bounds = bounds.isEmpty() ? QRect(0, 0, 1, 1) : bounds.translated(-middle);
    const QPoint origin = bounds.topLeft();
    auto moved = [draw = std::move(draw), origin](QImage& picture, const QRect& at) {
        draw(picture, at.topLeft() - origin);
    };
    return {name, bounds, false, false, std::move(moved)};
}

namespace FloatingGrip {

Grip gripAt(const QRect& rect, bool resizable, QPointF at)
{
    if (resizable) {
        // A handle sits on the corner point itself: the pixel edge just beyond the last row or column.
        const double left = rect.left(), right = rect.left() + rect.width();
        const double top = rect.top(), bottom = rect.top() + rect.height();
        const std::pair<QPointF, Grip> corners[] = {{QPointF(left, top), Grip::TopLeft},
                                                    {QPointF(right, top), Grip::TopRight},
                                                    {QPointF(left, bottom), Grip::BottomLeft},
                                                    {QPointF(right, bottom), Grip::BottomRight}};
        // A small item keeps room to be taken as a whole: the handles never reach over a third of a side.
        const int reach = std::min(HandleReach, (std::min(rect.width(), rect.height()) - 1) / 3);
        for (const auto& [corner, grip] : corners)
            if (std::abs(at.x() - corner.x()) <= reach && std::abs(at.y() - corner.y()) <= reach)
                return grip;
    }
    return QRectF(rect).contains(at) ? Grip::Move : Grip::None;
}

QRect dragged(const QRect& start, Grip grip, QPoint delta, bool keepProportions)
{
    if (grip == Grip::None)
        return start;
    if (grip == Grip::Move)
        return start.translated(delta);
    const bool left = grip == Grip::TopLeft || grip == Grip::BottomLeft;
    const bool top = grip == Grip::TopLeft || grip == Grip::TopRight;
    int width = std::max(1, start.width() + (left ? -delta.x() : delta.x()));
    int height = std::max(1, start.height() + (top ? -delta.y() : delta.y()));
    if (keepProportions) {
        const double sx = double(width) / start.width(), sy = double(height) / start.height();
        const double scale = std::abs(sx - 1) >= std::abs(sy - 1) ? sx : sy;
        width = std::max(1, int(std::floor(start.width() * scale + 0.5)));
        height = std::max(1, int(std::floor(start.height() * scale + 0.5)));
    }
    // The corner opposite the one taken stays where it was.
    const int x = left ? start.left() + start.width() - width : start.left();
    const int y = top ? start.top() + start.height() - height : start.top();
    return {x, y, width, height};
}

} // namespace FloatingGrip
