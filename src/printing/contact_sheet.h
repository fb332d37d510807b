#pragma once

// The contact sheet: every sheetlet picture of the Images folder, five a row
// and ten rows a page, each captioned with its name.

#include "app/program_folder.h"

#include <QImage>
#include <QString>
#include <QStringList>

class PrintSurface;

namespace Velletjes {

inline constexpr double BeginX = 300, BeginY = 1200, VolgendePaginaY = 600;
inline constexpr double KolomAfstand = 2190, RijAfstand = 1470, OnderschriftY = 1050;
inline constexpr double LaatsteX = 9900, LaatsteY = 15000;
inline constexpr double PlaatjeB = 1890, PlaatjeH = 990;
inline constexpr double OnderschriftB = PlaatjeB; // a caption is no wider than its picture

} // namespace Velletjes

// The "*.jpg" files of the Images folder (extension in any case), sorted by
// name without regard to case, as full paths. A missing folder gives none.
QStringList VelletjesBestanden(const ProgramFolder& folder);

// The caption of a sheetlet picture: its file name without the last four characters.
QString VelletjeOnderschrift(const QString& path);

// The caption as wide as the picture at most: a longer one is cut and ends in "…",
// so that it does not run into the caption of the next column.
QString fittedCaption(const PrintSurface& surface, const QString& caption);

// One sheetlet picture, read from the file; a huge picture is read already scaled
// down to about the printed size, so memory stays small. Null when it cannot be read.
QImage LeesVelletje(const QString& path);

// Prints the contact sheet as one document; the pictures are read one at a
// time. A picture that cannot be read leaves only its caption. False when the device failed.
bool PrintVelletjes(PrintSurface& surface, const QStringList& files, int copies);
