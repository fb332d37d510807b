#include "app/colour.h"

KleurDelen SplitsKleurWaarde(std::int64_t value)
{
    return {int(value % 256), int((value / 256) % 256), int((value / 65536) % 256)};
}

QColor KleurNaarQColor(std::int64_t value)
{
    const KleurDelen d = SplitsKleurWaarde(value);
    return QColor(d.r, d.g, d.b);
}

QColor KleurNaarQColor(int r, int g, int b)
{
    return KleurNaarQColor(KleurWaarde(r, g, b));
}

std::int64_t QColorNaarKleur(const QColor& colour)
{
    return KleurWaarde(colour.red(), colour.green(), colour.blue());
}

QString KleurHex(int r, int g, int b)
{
    auto twee = [](int c) { return QString::number(c, 16).toUpper().rightJustified(2, QLatin1Char('0')); };
    return twee(r) + twee(g) + twee(b);
}
