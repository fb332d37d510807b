#pragma once

// Small hand-built pictures for the picture tests, and the helper that runs a
// filter over one.

#include "filters/filter_engine.h"

#include <QImage>

#include <initializer_list>

namespace filtertest {

inline QImage picture(int width, int height, QRgb fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// A picture of the given width from red, green, blue triples, row by row.
inline QImage rgbPicture(int width, std::initializer_list<int> rgb)
{
    QImage image(width, int(rgb.size()) / 3 / width, QImage::Format_RGB32);
    const int* c = rgb.begin();
    for (int i = 0; i < image.width() * image.height(); ++i, c += 3)
        image.setPixel(i % width, i / width, qRgb(c[0], c[1], c[2]));
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

} // namespace filtertest
