#pragma once

// The progress sweep shown before every print job: 241 vertical lines drawn
// one by one into a 240 x 19 bar, shading from magenta to a light cyan.

#include <QColor>
#include <QImage>

namespace Voortgang {

inline constexpr int Columns = 241;
inline constexpr QSize BarSize(240, 19);
inline constexpr double Pauze = 0.01; // seconds after every column

QColor columnColour(int i);
// The cleared bar: only the background colour.
QImage emptyBar();
// Draws column i as a line from (i, 0) to (i, 18); the last column lies just past the bar.
void drawColumn(QImage& bar, int i);

} // namespace Voortgang
