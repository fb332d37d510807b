#include "documents/picture_export.h"

#include "app/picture_file.h"

#include <QFile>

SafeFile::Result SchrijfBmp(const QImage& image, const QString& path)
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

ExportResult ExporteerBmp(const QImage& image, const QString& path)
{
    const SafeFile::Result written = SchrijfBmp(image, path);
    return {written ? ExportStatus::Gelukt : ExportStatus::BmpNietGeschreven, written.reason};
}

ExportResult ExporteerJpg(const ProgramFolder& folder, const QImage& image, const QString& path)
{
    const QString temporary = folder.path(QString::fromLatin1(PictureExport::TijdelijkBestand));
    if (const SafeFile::Result written = SchrijfBmp(image, temporary); !written || !QFile::exists(temporary))
        return {ExportStatus::BmpNietGeschreven, written.reason};
    const SafeFile::Result written = BmpToJpeg(temporary, path, PictureExport::JpegKwaliteit);
    QFile::remove(temporary);
    return {written ? ExportStatus::Gelukt : ExportStatus::JpgNietGeschreven, written.reason};
}
