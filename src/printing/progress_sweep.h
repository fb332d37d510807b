#pragma once

// The progress sweep shown before every print job: 241 vertical lines drawn
// one by one into a 240 x 19 bar, shading from magenta to a light cyan.

#include <QColor>
#include <QImage>

namespace Voortgang {

inline constexpr int Kolommen = 241;
inline constexpr QSize BarSize(240, 19);
inline constexpr double Pauze = 0.01; // seconds after every column

QColor kolomKleur(int i);
// The cleared bar: only the background colour.
QImage legeBalk();
// Draws column i as a line from (i, 0) to (i, 18); the last column lies just past the bar.
void tekenKolom(QImage& balk, int i);

} // namespace Voortgang
