#pragma once

// The passes that work on the canvas picture itself rather than through the
// filter engine: the four flips, the sepia tint, the transparency raster and
// the white border. They take a 32-bit picture (anything else is converted to
// Format_RGB32 first) and report progress per column for the progress bar,
// ending at 0. They process no events and are not guarded by the engine.

#include "filters/filter_run.h"

#include <QImage>

// The whole picture mirrored left to right / upside down.
void FlipHorizontaal(QImage& canvas);
void FlipVertikaal(QImage& canvas);

// The right half becomes the mirror image of the left half: column x goes to
// W - x for x = 0..W/2 (column 0 falls outside, column W/2 maps onto itself).
void FlipRechts(QImage& canvas, const ProgressCallback& bar);
// The bottom half becomes the mirror image of the top half, rows likewise.
void FlipBoven(QImage& canvas, const ProgressCallback& bar);

// The tint that follows grayscale in "Sepia": red v, green v - 40, blue v - 80,
// a channel that would exceed the one before becoming 0.
void SepiaKleuren(QImage& canvas, const ProgressCallback& bar);

// A checkerboard of the colour r + 256 g + 65536 b over half of the pixels: in
// every 2 x 2 cell from an even column and row, the top-left and bottom-right pixel.
void TransparantRaster(QImage& canvas, const ProgressCallback& bar, int red, int green, int blue);

// n + 1 white outlines from the picture's edge inwards: a white frame n + 1 pixels wide.
void drawWhiteBorder(QImage& canvas, int n);
