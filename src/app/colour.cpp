#include "app/colour.h"

ColourParts splitColourValue(std::int64_t value)
{
    return {int(value % 256), int((value / 256) % 256), int((value / 65536) % 256)};
}

QColor toQColor(std::int64_t value)
{
    const ColourParts d = splitColourValue(value);
    return QColor(d.r, d.g, d.b);
}

QColor toQColor(int r, int g, int b)
{
    return toQColor(colourValue(r, g, b));
}

QString KleurHex(int r, int g, int b)
{
    auto twee = [](int c) { return QString::number(c, 16).toUpper().rightJustified(2, QLatin1Char('0')); };
    return twee(r) + twee(g) + twee(b);
}
