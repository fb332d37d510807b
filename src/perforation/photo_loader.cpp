#include "perforation/photo_loader.h"

#include "perforation/metafile_reader.h"

#include <QFile>

#include <QFileInfo>
#include <QImageReader>

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
    return {image, QString()};
}

} // namespace

PhotoFile load(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo(path).isFile())
        return {QImage(), QStringLiteral("Het bestand %1 bestaat niet.").arg(name)};
    if (isMetafile(path))
        return loadMetafile(path, name);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return {QImage(), QStringLiteral("%1 is geen plaatje dat gelezen kan worden.").arg(name)};
    // Most formats tell their size from the header; Qt's own allocation limit
    // guards the few that do not.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > MaximumBytes)
        return {QImage(),
                QStringLiteral("%1 is te groot (%2 x %3 pixels).").arg(name).arg(size.width()).arg(size.height())};
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return {QImage(), QStringLiteral("%1 kan niet worden gelezen.").arg(name)};
    return {image, QString()};
}

QString sizeCaption(const QString& path, QSize size)
{
    return QStringLiteral("%1 / %2 x %3 pixels").arg(QFileInfo(path).fileName()).arg(size.width()).arg(size.height());
}

} // namespace PhotoLoader
