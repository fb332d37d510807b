#include "documents/picture_export.h"

#include "app/picture_file.h"

QStringList PictureExport::extensions(ExportFormat format)
{
    if (format == ExportFormat::Bmp)
        return {QStringLiteral("bmp")};
    return {QStringLiteral("jpg"), QStringLiteral("jpeg")};
}

SafeFile::Result exportPicture(const QImage& image, const QString& path, ExportFormat format)
{
    if (format == ExportFormat::Bmp)
        return PictureFile::write(image.convertToFormat(QImage::Format_RGB888), path, "BMP");
    return PictureFile::write(image, path, "JPEG", PictureExport::JpegQuality);
}
