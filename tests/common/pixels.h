#pragma once

// Pixel comparisons shared by the picture tests.

#include <QImage>
#include <QRect>

// The smallest rectangle holding every pixel that differs between two pictures of one size.
inline QRect changedRect(const QImage& before, const QImage& after)
{
    QRect r;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                r |= QRect(x, y, 1, 1);
    return r;
}

// How many pixels of the rectangle (the whole picture when none is given) have the colour.
inline int countColour(const QImage& image, QRgb colour, QRect rect = {})
{
    if (rect.isNull())
        rect = image.rect();
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}
