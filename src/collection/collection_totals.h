#pragma once

// What the collection is worth beside the series: how many sheetlets are
// owned and the catalogue value, face value and purchase price of the copies
// owned; and the want list, the sheetlets of the series not owned yet.

#include "collection/collection_marks.h"
#include "documents/catalogue_records.h"

#include <QLocale>

struct OwnedTotals
{
    int series = 0;            // sheetlets in the catalogue
    int owned = 0;             // of those, owned (in any state)
    int copies = 0;            // the copies owned: each owned sheetlet's count, one at least
    double catalogueValue = 0; // the copies at their catalogue price
    double faceValue = 0;      // the copies at their face value
    qint64 paidCents = 0;      // what was paid, where it was noted
};

OwnedTotals ownedTotals(const QList<CatalogueEntry>& series, const Marks& marks);

// The sheetlets of the series not owned, in catalogue order, and their catalogue prices added up.
QList<CatalogueEntry> wantList(const QList<CatalogueEntry>& series, const Marks& marks);
double wantListTotal(const QList<CatalogueEntry>& wanted);

// The message of Berekeningen › "Totaal in bezit".
QString ownedTotalsText(const OwnedTotals& totals, const QLocale& locale = QLocale());
