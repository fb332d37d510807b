#include "documents/picture_export.h"

#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

bool SchrijfBmp(const QImage& image, const QString& path)
{
    if (image.isNull())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!image.convertToFormat(QImage::Format_RGB888).save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool BmpToJpeg(const QString& bmpPath, const QString& jpgPath, int quality)
{
    QImageReader reader(bmpPath, "BMP");
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    QSaveFile file(jpgPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "JPEG");
    writer.setQuality(quality);
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

ExportStatus ExporteerBmp(const QImage& image, const QString& path)
{
    return SchrijfBmp(image, path) ? ExportStatus::Gelukt : ExportStatus::BmpNietGeschreven;
}

ExportStatus ExporteerJpg(const ProgramFolder& folder, const QImage& image, const QString& path)
{
    const QString temporary = folder.path(QString::fromLatin1(PictureExport::TijdelijkBestand));
    if (!SchrijfBmp(image, temporary) || !QFile::exists(temporary))
        return ExportStatus::BmpNietGeschreven;
    const bool written = BmpToJpeg(temporary, path, PictureExport::JpegKwaliteit);
    QFile::remove(temporary);
    return written ? ExportStatus::Gelukt : ExportStatus::JpgNietGeschreven;
}
