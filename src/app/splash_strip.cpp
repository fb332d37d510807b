#include "app/splash_strip.h"

#include "app/rounding.h"

#include <QPainter>

namespace SplashStrip {

QImage initial()
{
    QImage strip(Width, Height, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(3, 1, Width - 3, Height - 1), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Klik op de foto om te beginnen..."));
    return strip;
}

int columnShade(int i)
{
    return 130 + int(RondAf(i / 2.0));
}

void paintColumn(QImage& strip, int i)
{
    if (i < 0 || i >= strip.width())
        return;
    const int c = columnShade(i);
    for (int y = 0; y < std::min(Height, strip.height()); ++y) {
        const QRgb colour = y < 6 ? qRgb(c, 0, 0) : y < 10 ? qRgb(c, c, c) : qRgb(0, 0, c);
        strip.setPixel(i, y, colour);
    }
}

} // namespace SplashStrip
