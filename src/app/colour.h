#pragma once

// Colours as the program stores them: three components composed into one
// value as red + 256 x green + 65536 x blue at the moment of use.

#include <QColor>
#include <QString>

#include <cstdint>

constexpr std::int64_t colourValue(std::int64_t r, std::int64_t g, std::int64_t b)
{
    return r + 256 * g + 65536 * b;
}

struct ColourParts
{
    int r = 0, g = 0, b = 0;
};

// The components of a colour value: value mod 256, (value div 256) mod 256, (value div 65536) mod 256.
ColourParts splitColourValue(std::int64_t value);

// A colour value as a QColor (components reduced to bytes as the screen shows them).
QColor toQColor(std::int64_t value);
QColor toQColor(int r, int g, int b);

// Six upper-case hexadecimal digits, red first, without a prefix: BEC8F0 for 190, 200, 240.
QString KleurHex(int r, int g, int b);
