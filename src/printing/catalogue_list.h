#pragma once

// The catalogue list printout: one row per sheetlet with its year, place,
// catalogue number, print run, nominal value and catalogue price.

#include "printing/catalogue_records.h"

#include <QString>

class PrintSurface;

namespace Lijst {

// The header words stand roughly above the columns.
QString kopRegel();

inline constexpr double KopX = 330, KopY = 900, VolgendeKopY = 600;
inline constexpr double EersteRij = 1500, VolgendeEersteRij = 1200, RijAfstand = 405, LaatsteY = 15900;
inline constexpr double NrX = 285, JaartalX = 960, PlaatsX = 1950, CatNrX = 4920, OplageX = 6270, NominaalX = 8250,
                        PrijsX = 9810;
// No column is wide enough for more; longer lines come only from a damaged file.
inline constexpr int MaxVeldLengte = 200;

} // namespace Lijst

// Prints the list as one document; false when the device failed.
bool PrintLijst(PrintSurface& surface, const QList<CatalogusRegel>& records, int copies);
