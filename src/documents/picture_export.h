#pragma once

// Exporting the canvas picture alone, as a Windows bitmap or as a JPEG, each
// written straight to the chosen file through the safe writer: a failed export
// leaves an existing file whole.

#include "app/safe_file.h"

#include <QImage>
#include <QString>
#include <QStringList>

enum class ExportFormat { Bmp = 1, Jpg = 2 }; // the indexes of "Velletje Opslaan als..."

namespace PictureExport {

inline constexpr int JpegQuality = 99;

// The extensions a file of the format may have, the first being the one added to a name without it.
QStringList extensions(ExportFormat format);

} // namespace PictureExport

// An uncompressed 24-bit Windows bitmap, or a JPEG of quality 99.
SafeFile::Result exportPicture(const QImage& image, const QString& path, ExportFormat format);
