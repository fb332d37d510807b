#pragma once

// Small hand-built pictures for the filter tests, and the helpers that run a
// filter over one and read pixels back.

#include "filters/filter_engine.h"

#include <QImage>

#include <initializer_list>
#include <vector>

namespace filtertest {

inline QImage picture(int width, int height, QRgb fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// A picture of width x rows from gray values, row by row.
inline QImage grayPicture(int width, std::initializer_list<int> values)
{
    const int height = int(values.size()) / width;
    QImage image(width, height, QImage::Format_RGB32);
    int i = 0;
    for (const int v : values) {
        image.setPixel(i % width, i / width, qRgb(v, v, v));
        ++i;
    }
    return image;
}

// Every pixel a different colour, varying in all three channels.
inline QImage patternPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * 5 + y * 71) % 256, (x * 13 ^ y * 29) % 256));
    return image;
}

inline QImage filtered(QImage image, FilterKind kind, int parameter = 0, std::uint64_t seed = 1)
{
    FilterEngine engine(seed);
    engine.PasFilterToe(kind, image, parameter, {});
    return image;
}

inline int grayAt(const QImage& image, int x, int y)
{
    return qBlue(image.pixel(x, y));
}

// True when the pixels outside the rectangle margin..W-1-margin, margin..H-1-margin are equal.
inline bool frameEqual(const QImage& a, const QImage& b, int margin)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const bool inside = x >= margin && x < a.width() - margin && y >= margin && y < a.height() - margin;
            if (!inside && a.pixel(x, y) != b.pixel(x, y))
                return false;
        }
    return true;
}

} // namespace filtertest
