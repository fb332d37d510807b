#pragma once

// The catalogue list printout: one row per sheetlet with its year, place,
// catalogue number, print run, nominal value and catalogue price, and, once
// the collection has marks, whether it is owned. The want list prints on the
// same layout: the sheetlets not owned with their price and a total.

#include "collection/collection_marks.h"
#include "documents/catalogue_records.h"

#include <functional>

#include <QString>

class PrintSurface;

namespace ListLayout {

// The header words stand roughly above the columns.
QString headerLine();

inline constexpr double HeaderX = 330, HeaderY = 900, NextHeaderY = 600;
inline constexpr double FirstRowY = 1500, NextFirstRowY = 1200, RowSpacing = 405, LastY = 15900;
inline constexpr double NumberColumnX = 285, YearX = 960, PlaceX = 1950, CatalogueNrX = 4920, PrintRunX = 6270,
                        NominalX = 8250, PriceX = 9810;
// The collection's column in the room between the print run and the nominal value, in smaller letters and
// short words; the legend of the words beside the title.
inline constexpr double OwnedX = 7400, OwnedHeaderSize = 8, OwnedFontSize = 12, LegendX = 3000, LegendY = 330;
QString ownedCode(Ownership owned);
QString ownedLegend();
// No column is wide enough for more; longer lines come only from a damaged file.
inline constexpr int MaxFieldLength = 200;

} // namespace ListLayout

// The title and the rows below the header, page after page: row(y, index) prints row index at height y, header(y)
// the header at the top of each page.
void printListPages(PrintSurface& surface, const QString& title, qsizetype rows,
                    const std::function<void(double y)>& header, const std::function<void(double y, qsizetype)>& row);

// Prints the list as one document; false when the device failed. Without marks it is the list as it always was;
// with marks each row says whether its sheetlet is owned.
bool PrintLijst(PrintSurface& surface, const QList<CatalogueEntry>& records, int copies, const Marks& marks = {});

// "Nog te verzamelen": number, year, place and catalogue price of each sheetlet, and the total after them.
bool PrintWantList(PrintSurface& surface, const QList<CatalogueEntry>& wanted, int copies);
