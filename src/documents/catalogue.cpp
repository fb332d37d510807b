#include "documents/catalogue.h"

#include "app/text_file.h"
#include "documents/catalogue_records.h"

#include <QStringList>

#include <algorithm>

namespace {

QStringList catalogueLines(const ProgramFolder& folder)
{
    return TextFile::readLines(folder.path(QString::fromLatin1(CatalogueFile::Path))).value_or(QStringList());
}

QString withComma(QString text)
{
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

// The panel index each line after the key goes to: the sheetlet's number first, then 0..7.
constexpr std::array<int, 9> PanelOrder{8, 0, 1, 2, 3, 4, 5, 6, 7};

} // namespace

CatalogueInfo LeesInformatie(const ProgramFolder& folder, const QString& key)
{
    CatalogueInfo info;
    const QStringList lines = catalogueLines(folder);
    qsizetype i = 0;
    while (i < lines.size()) {
        if (lines.at(i++) != key)
            continue;
        // A record cut short by the end of the file fills what it has.
        for (int field : PanelOrder) {
            if (i >= lines.size())
                break;
            // A panel label is one short line; a damaged file's endless line is cut to what fits one.
            const QString line = lines.at(i++).left(CatalogueFile::MaxFieldLength);
            info.Infolab[field] = (field == 4 || field == 7) ? withComma(line) : line;
        }
    }
    return info;
}

CatalogueTotal TotaalCatalogusprijs(const ProgramFolder& folder)
{
    CatalogueTotal result;
    const QStringList lines = catalogueLines(folder);
    // Every record that starts counts, one cut short too, but empty lines after the last are no record. The
    // price is the tenth line, after the currency sign and blank.
    for (qsizetype start = 0; start < lines.size(); start += CatalogueFile::RecordLines) {
        const QStringList record = lines.mid(start, CatalogueFile::RecordLines);
        if (std::all_of(record.begin(), record.end(), [](const QString& line) { return line.trimmed().isEmpty(); }))
            continue;
        result.total += catalogueAmount(record.value(9).mid(2));
        ++result.count;
    }
    return result;
}

CatalogueTotal TotaalNominaal(const ProgramFolder& folder)
{
    CatalogueTotal result;
    for (const QString& line : catalogueLines(folder)) {
        if (!line.startsWith(QLatin1String("5 x")))
            continue;
        // The amount of one stamp is the last four characters; the sheetlet is worth its five stamps, as the
        // line says. A line too short to hold four characters after "5 x" has no amount; its last four would
        // be the prefix's "5".
        constexpr int Stamps = 5;
        if (line.size() >= 7)
            result.total += Stamps * catalogueAmount(line.right(4));
        ++result.count;
    }
    return result;
}

QString amountText(double amount, const QLocale& locale)
{
    return QString::number(amount, 'f', 2).replace(QLatin1Char('.'), locale.decimalPoint());
}

QString cataloguePriceText(const CatalogueTotal& total, const QLocale& locale)
{
    return QStringLiteral("Catalogusprijs voor deze \n%1 velletjes.... € %2")
        .arg(total.count)
        .arg(amountText(total.total, locale));
}

QString nominalText(const CatalogueTotal& total, const QLocale& locale)
{
    return QStringLiteral("Nominale waarde voor de \n%1 velletjes..... € %2")
        .arg(total.count)
        .arg(amountText(total.total, locale));
}
