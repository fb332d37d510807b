#pragma once

// Text on the canvas as the text panel places it: optionally surrounded by a
// halo of fill-colour copies, then drawn in the draw colour.

#include "canvas/canvas_surface.h"

#include <array>
#include <optional>

namespace CanvasText {

// The eight points around the text where the halo copies go, and the first once more.
constexpr std::array<QPoint, 9> HaloOffsets{
    {{0, -2}, {1, -1}, {2, 0}, {1, 1}, {0, 2}, {-1, 1}, {-2, 0}, {-1, -1}, {0, -2}}};

// Sizes the panel accepts, in points; beyond them a font is not worth drawing.
constexpr double MinimumSize = 1;
constexpr double MaximumSize = 1000;

// Draws text at (x, y): horizontal text with its top-left corner there when
// angleTenths is empty, otherwise text whose first line starts there and runs
// in that direction. With halo the copies in fillColour come first.
void draw(CanvasSurface& surface, QPointF at, const QString& text, const TextFont& font, std::optional<int> angleTenths,
          bool halo, const QColor& drawColour, const QColor& fillColour);

// A font size as the user typed it ("16", "12.5", "12,5"); empty when it is not
// a number or lies outside MinimumSize..MaximumSize.
std::optional<double> parseSize(const QString& text);

} // namespace CanvasText
