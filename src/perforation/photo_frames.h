#pragma once

// Photos stretched into canvas rectangles: a dragged rectangle, the whole
// canvas, or the five stamp frames of a sheetlet or collector's block, large
// (filling the frame) or small (inside a narrow margin).

#include <QImage>
#include <QPoint>
#include <QRectF>

#include <array>

enum class PhotoLayout { Velletje, Verzamelblokje };
enum class PhotoSize { Groot = 1, Klein = 2 };

namespace PhotoFrames {

// The top-left corners of the five photo frames: the stamp frames of the perforation moved by (1, 1).
std::array<QPoint, 5> corners(PhotoLayout layout);
// Where a photo of the given size goes in the frame with this corner.
QRect photoRect(QPoint corner, PhotoSize size);

// The rectangle with corner (x1, y1), width x2 - x1 and height y2 - y1, rounded to whole pixels.
QRect stretchTarget(double x1, double y1, double x2, double y2);
// Stretches the whole picture into that rectangle, copying its pixels over what
// the canvas holds; an empty or reversed rectangle paints nothing.
void stretchInto(QImage& canvas, double x1, double y1, double x2, double y2, const QImage& picture);
// The same picture into all five frames.
void placeInFrames(QImage& canvas, const QImage& picture, PhotoLayout layout, PhotoSize size);

} // namespace PhotoFrames
