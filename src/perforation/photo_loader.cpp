#include "perforation/photo_loader.h"

#include "perforation/metafile_reader.h"

#include <QFile>
#include <QFileInfo>

namespace PhotoLoader {

namespace {

bool isMetafile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && MetafileReader::looksLikeMetafile(file.read(6));
}

PhotoFile loadMetafile(const QString& path, const QString& name)
{
    if (!MetafileReader::available())
        return {QImage(), QStringLiteral("%1 is een Windows Metafile; die kan deze uitgave niet lezen.").arg(name)};
    QImage image = MetafileReader::read(path, MaximumBytes);
    if (image.isNull())
        return {QImage(), QStringLiteral("%1 kan niet worden gelezen.").arg(name)};
    return {image, QString(), image.size()};
}

} // namespace

PhotoFile load(const QString& path, QSize target)
{
    if (QFileInfo(path).isFile() && isMetafile(path))
        return loadMetafile(path, QFileInfo(path).fileName());
    return PictureFile::read(path, PictureFile::ReadOptions::uprightCovering(target));
}

QString sizeCaption(const QString& path, QSize size)
{
    return QStringLiteral("%1 / %2 x %3 pixels").arg(QFileInfo(path).fileName()).arg(size.width()).arg(size.height());
}

} // namespace PhotoLoader
