#pragma once

// Photos put into canvas rectangles: a dragged rectangle, the whole canvas,
// or the five stamp frames of a sheetlet or collector's block, large (filling
// the frame) or small (inside a narrow margin); stretched, cropped or fitted
// whole (app/photo_fit.h).

#include "app/photo_fit.h"
#include "canvas/floating_item.h"

#include <QImage>
#include <QPoint>
#include <QRectF>

#include <array>
#include <optional>

enum class PhotoLayout { Velletje, Verzamelblokje };
enum class PhotoSize { Groot = 1, Klein = 2 };

namespace PhotoFrames {

// The top-left corners of the five photo frames: the stamp frames of the perforation moved by (1, 1).
std::array<QPoint, 5> corners(PhotoLayout layout);
// Where a photo of the given size goes in the frame with this corner.
QRect photoRect(QPoint corner, PhotoSize size);
// The frame of the layout (as for a large photo) that holds the canvas point; nothing between the frames.
std::optional<QRect> frameAt(PhotoLayout layout, QPoint point);

// The rectangle with corner (x1, y1), width x2 - x1 and height y2 - y1, rounded to whole pixels.
QRect stretchTarget(double x1, double y1, double x2, double y2);
// Which part of the photo goes to which part of the target, in whole pixels:
// - Uitrekken: all of the photo onto all of the target;
// - Bijsnijden: the middle of the photo in the target's proportions onto all of the target (what is cut off is
//   shared by both sides, the odd pixel on the right or at the bottom);
// - Passen: all of the photo onto the middle of the target in the photo's proportions; the rest of the target
//   keeps what the canvas held (the odd pixel of the margin on the right or at the bottom).
// A side's length is rounded half up, and is one pixel at least.
struct FitPlacement
{
    QRect source; // in the photo
    QRect target; // on the canvas
    bool operator==(const FitPlacement&) const = default;
};
FitPlacement fitPlacement(QSize photo, QRect target, PhotoFit fit);

// The picture as a placement that can still be moved: the part of it the fit takes, over the part of the target the
// fit gives it. Fixed where it lies, it paints what stretchInto paints.
FloatingItem placement(const QString& name, const QImage& picture, QRect target, PhotoFit fit);
// Puts the picture into that rectangle as the fit says, copying its pixels over what the canvas holds; an empty
// or reversed rectangle paints nothing.
void stretchInto(QImage& canvas, double x1, double y1, double x2, double y2, const QImage& picture,
                 PhotoFit fit = PhotoFit::Uitrekken);
// The same picture into all five frames.
void placeInFrames(QImage& canvas, const QImage& picture, PhotoLayout layout, PhotoSize size,
                   PhotoFit fit = PhotoFit::Uitrekken);

} // namespace PhotoFrames
