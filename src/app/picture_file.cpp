#include "app/picture_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace PictureFile {

namespace {

// What Qt's decoders may allocate for the output: room for 16-bit channels at the limit.
constexpr int AllocationLimitMegabytes = int(MaximumPixels * 8 / (1024 * 1024));

void prepare(QImageReader& reader)
{
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(AllocationLimitMegabytes);
}

} // namespace

bool isTooLarge(QSize size)
{
    return qint64(size.width()) * size.height() > MaximumPixels;
}

QString tooLargeText(const QString& name, QSize size)
{
    return QStringLiteral("%1 is te groot (%2 x %3 pixels).").arg(name).arg(size.width()).arg(size.height());
}

std::optional<QSize> storedSize(const QString& path)
{
    QImageReader reader(path);
    prepare(reader);
    const QSize size = reader.size();
    if (!size.isValid())
        return std::nullopt;
    return size;
}

Picture read(const QString& path, const ReadOptions& options)
{
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo(path).isFile())
        return {QImage(), QStringLiteral("Het bestand %1 bestaat niet.").arg(name)};
    QImageReader reader(path);
    prepare(reader);
    reader.setAutoTransform(options.autoTransform);
    if (!reader.canRead())
        return {QImage(), QStringLiteral("%1 is geen plaatje dat gelezen kan worden.").arg(name)};
    const QSize size = reader.size();
    if (size.isValid() && isTooLarge(size))
        return {QImage(), tooLargeText(name, size)};
    if (options.scaledSize.isValid())
        reader.setScaledSize(options.scaledSize);
    else if (options.largest.isValid() && size.isValid()
             && (size.width() > options.largest.width() || size.height() > options.largest.height()))
        reader.setScaledSize(size.scaled(options.largest, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return {QImage(), QStringLiteral("%1 kan niet worden gelezen.").arg(name)};
    // Some headers understate: a GIF reports its first frame, yet decodes to its whole
    // screen. The allocation limit bounded the decoding; what came out is held to the limit too.
    if (isTooLarge(image.size()))
        return {QImage(), tooLargeText(name, image.size())};
    return {image, QString()};
}

std::optional<QByteArray> encode(const QImage& image, const QByteArray& format, int quality)
{
    if (image.isNull())
        return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        return std::nullopt;
    return bytes;
}

SafeFile::Result write(const QImage& image, const QString& path, const QByteArray& format, int quality)
{
    const std::optional<QByteArray> bytes = encode(image, format, quality);
    if (!bytes)
        return {false, QStringLiteral("het plaatje kon niet als %1 worden opgemaakt").arg(QString::fromLatin1(format))};
    return SafeFile::replace(path, *bytes);
}

} // namespace PictureFile
