#include "documents/picture_export.h"

#include "app/picture_file.h"

#include <QFile>

SafeFile::Result writeBmp(const QImage& image, const QString& path)
{
    return PictureFile::write(image.convertToFormat(QImage::Format_RGB888), path, "BMP");
}

SafeFile::Result BmpToJpeg(const QString& bmpPath, const QString& jpgPath, int quality)
{
    const PictureFile::Picture bitmap = PictureFile::read(bmpPath);
    if (!bitmap.ok())
        return {false, bitmap.error};
    return PictureFile::write(bitmap.image, jpgPath, "JPEG", quality);
}

ExportResult exportBmp(const QImage& image, const QString& path)
{
    const SafeFile::Result written = writeBmp(image, path);
    return {written ? ExportStatus::Exported : ExportStatus::BmpNotWritten, written.reason};
}

ExportResult exportJpg(const ProgramFolder& folder, const QImage& image, const QString& path)
{
    const QString temporary = folder.path(QString::fromLatin1(PictureExport::TemporaryFile));
    if (const SafeFile::Result written = writeBmp(image, temporary); !written || !QFile::exists(temporary))
        return {ExportStatus::BmpNotWritten, written.reason};
    const SafeFile::Result written = BmpToJpeg(temporary, path, PictureExport::JpegQuality);
    QFile::remove(temporary);
    return {written ? ExportStatus::Exported : ExportStatus::JpgNotWritten, written.reason};
}
