#include "perforation/perforation.h"

#include "app/record.h"
#include "app/rounding.h"
#include "app/text_file.h"

#include <cmath>

namespace Perfins {

namespace {

constexpr QRgb Grey130 = qRgb(130, 130, 130);
constexpr QRgb Grey160 = qRgb(160, 160, 160);

void setPixel(QImage& canvas, int x, int y, QRgb colour)
{
    if (x >= 0 && y >= 0 && x < canvas.width() && y < canvas.height())
        canvas.setPixel(x, y, colour);
}

// Top and bottom edges (16 holes each), then the left and right edges (18 each); corners twice.
void addFrame(QList<QPoint>& holes, QPoint corner)
{
    const int x = corner.x(), y = corner.y();
    for (int k = 0; k <= 15; ++k) {
        holes.append({x + 5 * k, y});
        holes.append({x + 5 * k, y + FrameHeight});
    }
    for (int k = 0; k <= 17; ++k) {
        holes.append({x, y + 5 * k});
        holes.append({x + FrameWidth, y + 5 * k});
    }
}

void drawHoles(QImage& canvas, const QList<QPoint>& holes, std::uint8_t grey)
{
    for (const QPoint& hole : holes)
        TekenGaatje(canvas, hole.x(), hole.y(), grey);
}

} // namespace

void TekenGaatje(QImage& canvas, double x, int y, std::uint8_t grey)
{
    // The x coordinate may carry a fraction; the canvas puts the pixel at the nearest column.
    const int cx = int(RondAf(float(x)));
    const QRgb core = qRgb(grey, grey, grey);
    setPixel(canvas, cx, y, core);
    setPixel(canvas, cx + 1, y, core);
    setPixel(canvas, cx, y + 1, core);
    setPixel(canvas, cx + 1, y + 1, core);
    setPixel(canvas, cx - 1, y, Grey130);
    setPixel(canvas, cx - 1, y + 1, Grey160);
    setPixel(canvas, cx + 2, y, Grey160);
    setPixel(canvas, cx + 2, y + 1, Grey130);
    setPixel(canvas, cx, y - 1, Grey160);
    setPixel(canvas, cx + 1, y - 1, Grey130);
    setPixel(canvas, cx, y + 2, Grey130);
    setPixel(canvas, cx + 1, y + 2, Grey160);
}

QList<QPoint> VelHoles()
{
    QList<QPoint> holes;
    for (const QPoint& corner : SheetletFrames)
        addFrame(holes, corner);
    // Stamps 1 to 4: six holes up from the top-right corner towards the sheet's top edge.
    for (int stamp = 0; stamp < 4; ++stamp) {
        const QPoint c = SheetletFrames[stamp];
        for (int k = 0; k <= 5; ++k)
            holes.append({c.x() + FrameWidth, c.y() - 5 * k});
    }
    // Stamp 5: four holes down from its bottom-right corner to the bottom edge.
    const QPoint last = SheetletFrames[4];
    for (int k = 0; k <= 3; ++k)
        holes.append({last.x() + FrameWidth, last.y() + FrameHeight + 5 * k});
    return holes;
}

QList<QPoint> BlokHoles()
{
    QList<QPoint> holes;
    for (const QPoint& corner : BlockFrames)
        addFrame(holes, corner);
    // Every stamp but the second: ten holes down from the bottom-left corner.
    for (int stamp = 0; stamp < 5; ++stamp) {
        if (stamp == 1)
            continue;
        const QPoint c = BlockFrames[stamp];
        for (int k = 0; k <= 9; ++k)
            holes.append({c.x(), c.y() + FrameHeight + 5 * k});
    }
    // The second stamp: three holes down from its bottom-right corner.
    const QPoint second = BlockFrames[1];
    for (int k = 0; k <= 2; ++k)
        holes.append({second.x() + FrameWidth, second.y() + FrameHeight + 5 * k});
    return holes;
}

void PerforeerVel(QImage& canvas, std::uint8_t grey)
{
    drawHoles(canvas, VelHoles(), grey);
}

void PerforeerBlok(QImage& canvas, std::uint8_t grey)
{
    drawHoles(canvas, BlokHoles(), grey);
}

std::optional<QList<QPointF>> readPerfinFile(const QString& path)
{
    const auto lines = TextFile::readLines(path);
    if (!lines)
        return std::nullopt;
    QList<QPointF> pairs;
    Record::FieldReader reader(*lines);
    while (true) {
        const auto x = reader.next();
        const auto y = reader.next();
        if (!x || !y)
            break;
        pairs.append({Record::leadingNumber(x->text), Record::leadingNumber(y->text)});
    }
    return pairs;
}

void PerforeerUitBestand(QImage& canvas, const QString& path, std::uint8_t grey, PerfinKind kind,
                         const std::function<bool()>& afterEachHole)
{
    const auto pairs = readPerfinFile(path);
    if (!pairs)
        return;
    for (const QPointF& pair : *pairs) {
        const double y = kind == PerfinKind::Block ? pair.y() - 50 : pair.y();
        // A coordinate far outside the canvas draws nothing (and must not overflow on the way).
        if (std::abs(pair.x()) < 1e9 && std::abs(y) < 1e9)
            TekenGaatje(canvas, pair.x(), int(RondAf(y)), grey);
        if (afterEachHole && !afterEachHole())
            return;
    }
}

} // namespace Perfins
