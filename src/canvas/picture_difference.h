#pragma once

// Where two pictures of one size and format differ.

#include <QImage>
#include <QRect>

// The smallest rectangle holding every pixel in which the two 32-bit pictures differ; empty when none does.
QRect changedRect(const QImage& a, const QImage& b);
