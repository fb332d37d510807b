#pragma once

// Exporting the canvas picture alone: as a Windows bitmap, or as a JPEG made
// from the temporary bitmap "mydummy.bmp" in the program folder.

#include "app/program_folder.h"

#include <QImage>
#include <QString>

namespace PictureExport {

inline constexpr auto TijdelijkBestand = "mydummy.bmp";
inline constexpr int JpegKwaliteit = 99;

} // namespace PictureExport

enum class ExportStatus {
    Gelukt,
    BmpNietGeschreven,    // the bitmap (or the temporary bitmap of a JPEG export) was not written
    JpgNietGeschreven     // the temporary bitmap was written, the JPEG was not
};

// Writes the picture as an uncompressed 24-bit Windows bitmap at path; the
// file is replaced only once complete.
bool SchrijfBmp(const QImage& image, const QString& path);

// Converts the bitmap file at bmpPath into a JPEG file at jpgPath with the
// given quality (0..100). True when the JPEG file was written completely.
bool BmpToJpeg(const QString& bmpPath, const QString& jpgPath, int quality);

ExportStatus ExporteerBmp(const QImage& image, const QString& path);
// Through the temporary bitmap, which is removed afterwards.
ExportStatus ExporteerJpg(const ProgramFolder& folder, const QImage& image, const QString& path);
