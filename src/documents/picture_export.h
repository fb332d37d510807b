#pragma once

// Exporting the canvas picture alone: as a Windows bitmap, or as a JPEG made
// from the temporary bitmap "mydummy.bmp" in the program folder.

#include "app/program_folder.h"
#include "app/safe_file.h"

#include <QImage>
#include <QString>

namespace PictureExport {

inline constexpr auto TemporaryFile = "mydummy.bmp";
inline constexpr int JpegQuality = 99;

} // namespace PictureExport

enum class ExportStatus {
    Exported,
    BmpNotWritten, // the bitmap (or the temporary bitmap of a JPEG export) was not written
    JpgNotWritten  // the temporary bitmap was written, the JPEG was not
};

struct ExportResult
{
    ExportStatus status = ExportStatus::Exported;
    QString reason; // why not, in Dutch

    bool operator==(ExportStatus other) const { return status == other; }
};

// Writes the picture as an uncompressed 24-bit Windows bitmap at path; the
// file is replaced only once complete, and an old file stays whole otherwise.
SafeFile::Result writeBmp(const QImage& image, const QString& path);

// Converts the bitmap file at bmpPath into a JPEG file at jpgPath with the
// given quality (0..100), on the same terms.
SafeFile::Result BmpToJpeg(const QString& bmpPath, const QString& jpgPath, int quality);

ExportResult exportBmp(const QImage& image, const QString& path);
// Through the temporary bitmap, which is removed afterwards.
ExportResult exportJpg(const ProgramFolder& folder, const QImage& image, const QString& path);
