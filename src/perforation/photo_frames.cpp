#include "perforation/photo_frames.h"

#include "app/rounding.h"

#include <QPainter>

namespace PhotoFrames {

std::array<QPoint, 5> corners(PhotoLayout layout)
{
    switch (layout) {
    case PhotoLayout::Velletje:
        return {QPoint(28, 28), QPoint(136, 20), QPoint(278, 15), QPoint(389, 27), QPoint(230, 159)};
    case PhotoLayout::Verzamelblokje:
        return {QPoint(17, 143), QPoint(114, 162), QPoint(211, 152), QPoint(308, 128), QPoint(405, 143)};
    }
    return {};
}

QRect photoRect(QPoint corner, PhotoSize size)
{
    switch (size) {
    case PhotoSize::Groot:
        return QRect(corner, QSize(75, 85));
    case PhotoSize::Klein:
        return QRect(corner + QPoint(3, 3), QSize(69, 79));
    }
    return {};
}

namespace {

// Transparent parts of a picture show white: the canvas has no transparency of its own.
QImage opaque(const QImage& picture)
{
    if (!picture.hasAlphaChannel())
        return picture;
    QImage result(picture.size(), QImage::Format_RGB32);
    result.fill(Qt::white);
    QPainter(&result).drawImage(0, 0, picture);
    return result;
}

} // namespace

QRect stretchTarget(double x1, double y1, double x2, double y2)
{
    return {int(RondAf(x1)), int(RondAf(y1)), int(RondAf(x2 - x1)), int(RondAf(y2 - y1))};
}

void stretchInto(QImage& canvas, double x1, double y1, double x2, double y2, const QImage& picture)
{
    const QRect target = stretchTarget(x1, y1, x2, y2);
    if (target.width() <= 0 || target.height() <= 0 || picture.isNull())
        return;
    const QImage scaled = opaque(picture).scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(target.topLeft(), scaled);
}

void placeInFrames(QImage& canvas, const QImage& picture, PhotoLayout layout, PhotoSize size)
{
    for (const QPoint& corner : corners(layout)) {
        const QRect r = photoRect(corner, size);
        stretchInto(canvas, r.x(), r.y(), r.x() + r.width(), r.y() + r.height(), picture);
    }
}

} // namespace PhotoFrames
