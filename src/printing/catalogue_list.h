#pragma once

// The catalogue list printout: one row per sheetlet with its year, place,
// catalogue number, print run, nominal value and catalogue price.

#include "documents/catalogue_records.h"

#include <QString>

class PrintSurface;

namespace ListLayout {

// The header words stand roughly above the columns.
QString headerLine();

inline constexpr double HeaderX = 330, HeaderY = 900, NextHeaderY = 600;
inline constexpr double FirstRowY = 1500, NextFirstRowY = 1200, RowSpacing = 405, LastY = 15900;
inline constexpr double NumberColumnX = 285, YearX = 960, PlaceX = 1950, CatalogueNrX = 4920, PrintRunX = 6270,
                        NominalX = 8250, PriceX = 9810;
// No column is wide enough for more; longer lines come only from a damaged file.
inline constexpr int MaxFieldLength = 200;

} // namespace ListLayout

// Prints the list as one document; false when the device failed.
bool PrintLijst(PrintSurface& surface, const QList<CatalogueEntry>& records, int copies);
