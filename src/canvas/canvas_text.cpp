#include "canvas/canvas_text.h"

#include <QString>

#include <cmath>

namespace CanvasText {

namespace {

void drawOnce(CanvasSurface& surface, QPointF at, const QString& text, const TextFont& font,
              std::optional<int> angleTenths, const QColor& colour)
{
    if (angleTenths)
        surface.rotatedText(at, text, font, *angleTenths, colour);
    else
        surface.text(at, text, font, colour);
}

} // namespace

void draw(CanvasSurface& surface, QPointF at, const QString& text, const TextFont& font, std::optional<int> angleTenths,
          bool halo, const QColor& drawColour, const QColor& fillColour)
{
    if (halo) {
        for (const QPoint& offset : HaloOffsets)
            drawOnce(surface, at + QPointF(offset), text, font, angleTenths, fillColour);
    }
    drawOnce(surface, at, text, font, angleTenths, drawColour);
}

std::optional<double> parseSize(const QString& text)
{
    QString normalized = text.trimmed();
    normalized.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double size = normalized.toDouble(&ok);
    if (!ok || !std::isfinite(size) || size < MinimumSize || size > MaximumSize)
        return std::nullopt;
    return size;
}

} // namespace CanvasText
