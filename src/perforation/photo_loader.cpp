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

PhotoFile loadMetafile(const QString& path)
{
    const MetafileReader::Result drawn = MetafileReader::read(path);
    return {drawn.image, drawn.error, drawn.image.size()};
}

} // namespace

PhotoFile load(const QString& path, QSize target)
{
    if (QFileInfo(path).isFile() && isMetafile(path))
        return loadMetafile(path);
    return PictureFile::read(path, PictureFile::ReadOptions::uprightCovering(target));
}

QString sizeCaption(const QString& path, QSize size)
{
    return QStringLiteral("%1 / %2 x %3 pixels").arg(QFileInfo(path).fileName()).arg(size.width()).arg(size.height());
}

} // namespace PhotoLoader
