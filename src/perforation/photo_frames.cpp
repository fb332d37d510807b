#include "perforation/photo_frames.h"

#include "app/rounding.h"

#include <QPainter>

#include <algorithm>

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

std::optional<QRect> frameAt(PhotoLayout layout, QPoint point)
{
    for (const QPoint& corner : corners(layout))
        if (const QRect frame = photoRect(corner, PhotoSize::Groot); frame.contains(point))
            return frame;
    return std::nullopt;
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

namespace {

// a * b / c rounded half up, one at least.
int scaledSide(qint64 a, qint64 b, qint64 c)
{
    return int(std::max<qint64>(1, (2 * a * b + c) / (2 * c)));
}

} // namespace

FitPlacement fitPlacement(QSize photo, QRect target, PhotoFit fit)
{
    const QRect whole(QPoint(0, 0), photo);
    // Whether the photo is wider than the target in proportion: w / h > W / H.
    const bool wider = qint64(photo.width()) * target.height() > qint64(target.width()) * photo.height();
    switch (fit) {
    case PhotoFit::Uitrekken:
        break;
    case PhotoFit::Bijsnijden: {
        const QSize part = wider ? QSize(scaledSide(photo.height(), target.width(), target.height()), photo.height())
                                 : QSize(photo.width(), scaledSide(photo.width(), target.height(), target.width()));
        const QSize kept = part.boundedTo(photo);
        return {QRect(QPoint((photo.width() - kept.width()) / 2, (photo.height() - kept.height()) / 2), kept), target};
    }
    case PhotoFit::Passen: {
        const QSize part = wider ? QSize(target.width(), scaledSide(target.width(), photo.height(), photo.width()))
                                 : QSize(scaledSide(target.height(), photo.width(), photo.height()), target.height());
        const QSize kept = part.boundedTo(target.size());
        return {whole, QRect(target.topLeft() +
                                 QPoint((target.width() - kept.width()) / 2, (target.height() - kept.height()) / 2),
                             kept)};
    }
    }
    return {whole, target};
}

FloatingItem placement(const QString& name, const QImage& picture, QRect target, PhotoFit fit)
{
    const FitPlacement placed = fitPlacement(picture.size(), target, fit);
    const QImage part = placed.source == picture.rect() ? picture : picture.copy(placed.source);
    FloatingItem item = FloatingItem::picture(name, opaque(part), placed.target);
    // Whoever chose not to distort a photo keeps its proportions when resizing it too.
    item.keepsProportions = fit != PhotoFit::Uitrekken;
    return item;
}

void stretchInto(QImage& canvas, double x1, double y1, double x2, double y2, const QImage& picture, PhotoFit fit)
{
    const QRect target = stretchTarget(x1, y1, x2, y2);
    if (target.width() <= 0 || target.height() <= 0 || picture.isNull())
        return;
    const FloatingItem placed = placement(QString(), picture, target, fit);
    placed.draw(canvas, placed.rect);
}

void placeInFrames(QImage& canvas, const QImage& picture, PhotoLayout layout, PhotoSize size, PhotoFit fit)
{
    for (const QPoint& corner : corners(layout)) {
        const QRect r = photoRect(corner, size);
        stretchInto(canvas, r.x(), r.y(), r.x() + r.width(), r.y() + r.height(), picture, fit);
    }
}

} // namespace PhotoFrames
