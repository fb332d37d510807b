#pragma once

// Something placed on the canvas that is not part of the picture yet: a photo,
// a pasted picture or a text lying over the canvas, where it can still be
// moved (and a picture resized) until it is fixed. It is kept as what it was
// made from, not as pixels, so wherever it is fixed it is drawn exactly as if
// it had been placed there in the first place.

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>

#include <functional>

struct FloatingItem
{
    QString name; // the undo step it becomes when fixed
    QRect rect;   // where it lies: the bounds it is drawn into, which may reach past the canvas
    bool resizable = false;
    bool keepsProportions = false; // a corner drag keeps the proportions unless Shift is held, or else the other way
    // Draws it into the picture with its bounds at `at`.
    std::function<void(QImage& picture, const QRect& at)> draw;

    // A picture stretched over the target, pixel for pixel copied over what the canvas holds.
    static FloatingItem picture(const QString& name, const QImage& picture, const QRect& target);
    // A drawing that only moves (a text): draw(picture, offset) paints it moved by offset. Its bounds are the pixels
    // it paints, measured over two backgrounds so that no colour of its own hides any.
    static FloatingItem drawing(const QString& name, std::function<void(QImage& picture, QPoint offset)> draw);
};

// Dragging a floating item with the mouse.
namespace FloatingGrip {

enum class Grip { None, Move, TopLeft, TopRight, BottomLeft, BottomRight };

// How far (in canvas pixels) from a corner a press still takes its handle.
inline constexpr int HandleReach = 2;

// What a press at the canvas point takes hold of: a corner's handle (only of a resizable item), the item itself,
// or nothing outside it.
Grip gripAt(const QRect& rect, bool resizable, QPointF at);
// The rectangle after the pointer moved by delta from where the grip was taken. A corner moves with the pointer while
// the opposite one stays; the rectangle keeps one pixel at least. With keepProportions the larger of the two
// changes decides the scale, the other side follows rounded half up.
QRect dragged(const QRect& start, Grip grip, QPoint delta, bool keepProportions);

} // namespace FloatingGrip
