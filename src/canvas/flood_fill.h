#pragma once

// Flood fill of the canvas: the 4-connected area of exactly one colour.

#include <QImage>
#include <QPoint>

// Paints the 4-connected area around start whose colour is exactly the colour
// at start with fill. The picture must be Format_RGB32 or Format_ARGB32;
// returns the number of pixels painted.
int fillConnectedArea(QImage& image, QPoint start, QRgb fill);
