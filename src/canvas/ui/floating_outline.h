#pragma once

// How a floating placement shows in a view of the canvas: a dashed outline
// around it, square handles on the corners of one that can be resized, and
// the pointer's shape over it.

#include "canvas/floating_item.h"

#include <Qt>

class QPainter;

namespace FloatingOutline {

// With each canvas pixel factor screen pixels wide.
void paint(QPainter& painter, const FloatingItem& item, int factor);
// The pointer at a canvas point: the four arrows over the item, the diagonal ones over a corner's handle.
Qt::CursorShape cursor(const FloatingItem& item, QPointF at);

} // namespace FloatingOutline
