#include "app/web_lookups.h"

#include <QUrl>

namespace WebLookups {

namespace {

QString encoded(const QString& place)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(place));
}

// "Den Haag" -> "denhaag", "'s-Hertogenbosch" -> "s-hertogenbosch", "Reeuwijk-Brug" stays with its hyphen.
QString hostLabel(const QString& place)
{
    const QString decomposed = place.normalized(QString::NormalizationForm_D).toLower();
    QString label;
    for (QChar c : decomposed) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c.isDigit() || c == QLatin1Char('-'))
            label += c;
    }
    while (label.startsWith(QLatin1Char('-')))
        label.remove(0, 1);
    while (label.endsWith(QLatin1Char('-')))
        label.chop(1);
    return label.size() <= 63 ? label : QString();
}

} // namespace

std::optional<QString> searchAddress(const QString& place)
{
    if (place == DefaultPlace)
        return std::nullopt;
    return QStringLiteral("https://www.google.nl/search?q=") + encoded(place) + QStringLiteral("&hl=nl&btnG=Zoeken");
}

std::optional<QString> encyclopediaAddress(const QString& place)
{
    if (place == DefaultPlace)
        return std::nullopt;
    return QStringLiteral("https://nl.wikipedia.org/wiki/Speciaal:Zoeken?search=") + encoded(place) +
           QStringLiteral("&fulltext=Zoeken");
}

std::optional<QString> mapAddress(const QString& place)
{
    if (place == DefaultPlace)
        return std::nullopt;
    return QStringLiteral("https://maps.google.nl/maps?hl=nl&tab=wl&q=") + encoded(place);
}

std::optional<QString> municipalityAddress(const QString& place)
{
    if (place == DefaultPlace || place.isEmpty() || place.startsWith(QLatin1String("Verzamel")))
        return std::nullopt;
    const QString label = hostLabel(place);
    if (label.isEmpty())
        return std::nullopt;
    return QStringLiteral("http://www.") + label + QStringLiteral(".nl");
}

QString municipalityCaption(const QString& place)
{
    return QStringLiteral("Info ") + place + QStringLiteral(".nl");
}

} // namespace WebLookups
