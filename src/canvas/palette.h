#pragma once

// The colour chooser's palette: 7 columns of 16 boxes of 12 x 12 pixels,
// grey, red, green, blue, yellow, cyan and magenta from light to dark.

#include <QColor>
#include <QImage>

namespace Palette {

constexpr int Columns = 7;
constexpr int Rows = 16;
constexpr int BoxSize = 12;
// The boxes share their white outlines, so the picture is one pixel wider and higher.
constexpr QSize ImageSize{Columns * BoxSize + 1, Rows* BoxSize + 1};

// The colour of box number 0..111 (16 per column, top to bottom).
QColor boxColour(int box);
QImage build();

} // namespace Palette
