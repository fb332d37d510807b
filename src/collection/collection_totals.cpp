#include "collection/collection_totals.h"

#include "documents/catalogue.h"

#include <algorithm>

OwnedTotals ownedTotals(const QList<CatalogueEntry>& series, const Marks& marks)
{
    OwnedTotals totals;
    totals.series = int(series.size());
    for (const CatalogueEntry& entry : series) {
        const Mark mark = marks.value(entry.key);
        if (!mark.isOwned())
            continue;
        const int copies = std::max(mark.count, 1);
        ++totals.owned;
        totals.copies += copies;
        totals.catalogueValue += copies * entry.priceAmount;
        totals.faceValue += copies * entry.faceAmount;
        totals.paidCents += mark.paidCents.value_or(0);
    }
    return totals;
}

QList<CatalogueEntry> wantList(const QList<CatalogueEntry>& series, const Marks& marks)
{
    QList<CatalogueEntry> wanted;
    std::copy_if(series.begin(), series.end(), std::back_inserter(wanted),
                 [&marks](const CatalogueEntry& entry) { return !marks.value(entry.key).isOwned(); });
    return wanted;
}

double wantListTotal(const QList<CatalogueEntry>& wanted)
{
    double total = 0;
    for (const CatalogueEntry& entry : wanted)
        total += entry.priceAmount;
    return total;
}

QString ownedTotalsText(const OwnedTotals& totals, const QLocale& locale)
{
    return QStringLiteral("In bezit: %1 van de %2 velletjes (%3 %4).\n"
                          "Catalogusprijs.... € %5\nNominale waarde.... € %6\nBetaald.... € %7")
        .arg(totals.owned)
        .arg(totals.series)
        .arg(totals.copies)
        .arg(totals.copies == 1 ? QStringLiteral("exemplaar") : QStringLiteral("exemplaren"))
        .arg(amountText(totals.catalogueValue, locale), amountText(totals.faceValue, locale),
             MarksFile::centsText(totals.paidCents, locale.decimalPoint().at(0)));
}
