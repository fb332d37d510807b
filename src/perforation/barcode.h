#pragma once

// The barcode stamped into a corner of the sheetlet: a fixed picture of 29
// bars with twelve digits under them, horizontal (BarHor, 70 x 25) or turned
// a quarter counter-clockwise (BarVer, 25 x 70).

#include <QImage>
#include <QPoint>

namespace Barcode {

constexpr int BarCount = 29;
// The digits printed under the bars.
inline constexpr char Digits[] = "871234567895";

QImage BarHor();
QImage BarVer();

enum class Position { Rechtsonder = 1, Linksonder = 2, Rechtsboven = 3 };

// The corner where the picture goes, and the picture itself.
QPoint corner(Position place);
QImage picture(Position place);

// Copies the picture onto the canvas unchanged, white pixels included.
void placeBarcode(QImage& canvas, Position place);

} // namespace Barcode
