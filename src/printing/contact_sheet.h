#pragma once

// The contact sheet: every sheetlet picture of the Images folder, five a row
// and ten rows a page, each captioned with its name.

#include "app/program_folder.h"

#include <QImage>
#include <QString>
#include <QStringList>

class PrintSurface;

namespace ContactSheetLayout {

inline constexpr double StartX = 300, StartY = 1200, NextPageY = 600;
inline constexpr double ColumnSpacing = 2190, RowSpacing = 1470, CaptionY = 1050;
inline constexpr double LastX = 9900, LastY = 15000;
inline constexpr double PictureWidth = 1890, PictureHeight = 990;
inline constexpr double CaptionWidth = PictureWidth; // a caption is no wider than its picture

} // namespace ContactSheetLayout

// The "*.jpg" files of the Images folder (extension in any case), sorted by
// name without regard to case, as full paths. A missing folder gives none.
QStringList sheetletFiles(const ProgramFolder& folder);

// The collector's own designs: the pictures of the saved supplements ("*.bmp" of the Supplementen folder), in
// the same order.
QStringList designFiles(const ProgramFolder& folder);

// The caption of a sheetlet picture: its file name without the last four characters.
QString sheetletCaption(const QString& path);

// The caption as wide as the picture at most: a longer one is cut and ends in "…",
// so that it does not run into the caption of the next column.
QString fittedCaption(const PrintSurface& surface, const QString& caption);

// One sheetlet picture, read from the file; a huge picture is read already scaled
// down to about the printed size, so memory stays small. Null when it cannot be read.
QImage readSheetlet(const QString& path);

// Prints the contact sheet as one document; the pictures are read one at a
// time. A picture that cannot be read leaves only its caption. False when the device failed.
bool PrintVelletjes(PrintSurface& surface, const QStringList& files, int copies);
