#include "perforation/barcode.h"

#include <QPainter>

#include <array>

namespace Barcode {

namespace {

constexpr std::array<int, BarCount> Widths = {1, 1, 1, 1, 2, 1, 1, 2, 1, 2, 2, 1, 2, 1, 1,
                                              2, 1, 1, 2, 2, 1, 1, 2, 1, 2, 1, 2, 1, 1};
constexpr std::array<int, 6> GuardBars = {1, 3, 32, 34, 66, 68};

// A 3 x 5 font: each digit is five rows of three bits, the leftmost bit first.
constexpr std::array<std::array<int, 5>, 10> Font = {{
    {0b111, 0b101, 0b101, 0b101, 0b111},
    {0b010, 0b110, 0b010, 0b010, 0b111},
    {0b111, 0b001, 0b111, 0b100, 0b111},
    {0b111, 0b001, 0b111, 0b001, 0b111},
    {0b101, 0b101, 0b111, 0b001, 0b001},
    {0b111, 0b100, 0b111, 0b001, 0b111},
    {0b111, 0b100, 0b111, 0b101, 0b111},
    {0b111, 0b001, 0b010, 0b010, 0b010},
    {0b111, 0b101, 0b111, 0b101, 0b111},
    {0b111, 0b101, 0b111, 0b001, 0b111},
}};

bool isGuard(int x)
{
    return std::find(GuardBars.begin(), GuardBars.end(), x) != GuardBars.end();
}

void drawDigit(QImage& image, int digit, int left)
{
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 3; ++column)
            if (Font[digit][row] & (0b100 >> column))
                image.setPixel(left + column, 19 + row, qRgb(0, 0, 0));
}

QImage makeBarHor()
{
    QImage image(70, 25, QImage::Format_RGB32);
    image.fill(Qt::white);
    int x = 1;
    for (int width : Widths) {
        const int bottom = (width == 1 && isGuard(x)) ? 21 : 17;
        for (int column = x; column < x + width; ++column)
            for (int y = 1; y <= bottom; ++y)
                image.setPixel(column, y, qRgb(0, 0, 0));
        x += width + 1;
    }
    // Six digits between the left and middle guards, six between the middle and right guards.
    for (int i = 0; i < 6; ++i) {
        drawDigit(image, Digits[i] - '0', 6 + 4 * i);
        drawDigit(image, Digits[6 + i] - '0', 39 + 4 * i);
    }
    return image;
}

QImage makeBarVer()
{
    const QImage hor = BarHor();
    QImage ver(25, 70, QImage::Format_RGB32);
    for (int y = 0; y < 70; ++y)
        for (int x = 0; x < 25; ++x)
            ver.setPixel(x, y, hor.pixel(69 - y, x));
    return ver;
}

} // namespace

QImage BarHor()
{
    static const QImage image = makeBarHor();
    return image;
}

QImage BarVer()
{
    static const QImage image = makeBarVer();
    return image;
}

QPoint corner(Position place)
{
    switch (place) {
    case Position::Rechtsonder:
        return {423, 228};
    case Position::Linksonder:
        return {8, 228};
    case Position::Rechtsboven:
        return {472, 6};
    }
    return {};
}

QImage picture(Position place)
{
    return place == Position::Rechtsboven ? BarVer() : BarHor();
}

void placeBarcode(QImage& canvas, Position place)
{
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(corner(place), picture(place));
}

} // namespace Barcode
