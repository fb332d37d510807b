#include "perforation/photo_loader.h"

#include "perforation/heif_reader.h"
#include "perforation/metafile_reader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace PhotoLoader {

namespace {

QByteArray head(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(12) : QByteArray();
}

PhotoFile loadMetafile(const QString& path)
{
    const MetafileReader::Result drawn = MetafileReader::read(path);
    return {drawn.image, drawn.error, drawn.image.size()};
}

} // namespace

PhotoFile load(const QString& path, QSize target)
{
    const QByteArray first = QFileInfo(path).isFile() ? head(path) : QByteArray();
    if (MetafileReader::looksLikeMetafile(first))
        return loadMetafile(path);
    if (HeifReader::looksLikeHeif(first)) {
        const HeifReader::Result read = HeifReader::read(path);
        return {read.image, read.error, read.storedSize};
    }
    return PictureFile::read(path, PictureFile::ReadOptions::uprightCovering(target));
}

namespace {

struct Kind
{
    const char* name;
    QStringList extensions;
    bool readable;
};

QList<Kind> kinds()
{
    const QList<QByteArray> qt = QImageReader::supportedImageFormats();
    return {{"JPEG", {"jpg", "jpeg"}, true},
            {"PNG", {"png"}, true},
            {"BMP", {"bmp"}, true},
            {"GIF", {"gif"}, true},
            {"TIFF", {"tif", "tiff"}, qt.contains("tiff")},
            {"WebP", {"webp"}, qt.contains("webp")},
            {"Windows Metafile", {"wmf"}, MetafileReader::available()},
            {"HEIC", {"heic", "heif"}, HeifReader::available()},
            {"AVIF", {"avif"}, HeifReader::available()}};
}

} // namespace

QStringList readableKinds()
{
    QStringList names;
    for (const Kind& kind : kinds())
        if (kind.readable)
            names << QString::fromLatin1(kind.name);
    return names;
}

QStringList readablePatterns()
{
    QStringList patterns;
    for (const Kind& kind : kinds())
        if (kind.readable)
            for (const QString& extension : kind.extensions)
                patterns << QStringLiteral("*.") + extension << QStringLiteral("*.") + extension.toUpper();
    return patterns;
}

QString sizeCaption(const QString& path, QSize size)
{
    return QStringLiteral("%1 / %2 x %3 pixels").arg(QFileInfo(path).fileName()).arg(size.width()).arg(size.height());
}

} // namespace PhotoLoader
