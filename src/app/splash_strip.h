#pragma once

// The strip of the splash window: the invitation to click, and the three
// colour bands that grow over it column by column when the program starts.

#include <QImage>

namespace SplashStrip {

constexpr int Width = 240;
constexpr int Height = 16;
constexpr int LastColumn = 240;

// The strip at rest: white with "Klik op de foto om te beginnen..." from (3, 1).
QImage initial();

// Paints column i (0..240): rows 0..5 in (c,0,0), 6..9 in (c,c,c), 10..15 in (0,0,c),
// with c = 130 + i / 2 rounded, halves to even. Columns past the strip are ignored.
void paintColumn(QImage& strip, int i);

int columnShade(int i);

} // namespace SplashStrip
