#include "app/splash_info.h"

#include "app/rounding.h"

namespace SplashInfo {

namespace {
const QString CrLf = QStringLiteral("\r\n");

QString plainNumber(double value, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 12);
}
} // namespace

int TwipsPerPixel(double logicalDpi)
{
    return logicalDpi > 0 ? int(RondAf(1440.0 / logicalDpi)) : 15;
}

int Resolution(int twipsPerPixel)
{
    return twipsPerPixel > 0 ? int(RondAf(1440.0 / twipsPerPixel)) : 96;
}

QString MakerText()
{
    return QStringLiteral(
        "Copyright \u00A9 2026 Velinor Software\r\nAlle rechten voorbehouden.\r\nVragen en opmerkingen:");
}

QString GroupedNumber(qint64 value, const QLocale& locale)
{
    if (value == 0)
        return QString();
    QLocale grouped = locale;
    grouped.setNumberOptions(QLocale::DefaultNumberOptions);
    return grouped.toString(value);
}

QString InformationBlock(const Facts& facts, const QLocale& locale)
{
    QString size, date;
    if (facts.fileSize)
        size = GroupedNumber(*facts.fileSize, locale) + QStringLiteral(" Bytes");
    if (facts.fileDate)
        date = locale.toString(facts.fileDate->date(), QLocale::ShortFormat) + QLatin1Char(' ') +
               facts.fileDate->time().toString(QStringLiteral("H:mm:ss"));

    QStringList lines;
    lines << QStringLiteral("Velinor is gemaakt door ") + Maker + QLatin1Char('.')
          << QStringLiteral("Alle rechten voorbehouden, in samenwerking met ") + PartnerShop + QLatin1Char('.')
          << QStringLiteral("For 32-bit computers with Windows Development.")
          << QStringLiteral("Grafische filters naar ideeën van de Velinor-ontwikkelaars.") << QString()
          << QStringLiteral("Version number : ") + facts.version << QStringLiteral("Filesize............. : ") + size
          << QStringLiteral("Filedate............ : ") + date
          << QStringLiteral("Screen............. : ") + plainNumber(facts.screenWidthTwips / 15.0, locale) +
                 QStringLiteral(" x ") + plainNumber(facts.screenHeightTwips / 15.0, locale) + QStringLiteral(" Pixels")
          << QStringLiteral("Dpi................... : ") + QString::number(facts.dpi) + QStringLiteral(" Dots per Inch")
          << QStringLiteral("Time / Date..... :");
    return lines.join(CrLf);
}

QString DpiWarning(int dpi)
{
    return QStringLiteral("Uw beeldscherm is ingesteld op ") + QString::number(dpi) +
           QStringLiteral(" DPI (Dots Per Inch);") + CrLf +
           QStringLiteral("de vensters van Velinor zijn gemaakt voor 96 DPI.") + CrLf +
           QStringLiteral("Zet in de beeldscherminstellingen van uw bureaublad de schaal") + CrLf +
           QStringLiteral("op 100%, of start Velinor met QT_FONT_DPI=96 in de omgeving.");
}

} // namespace SplashInfo
