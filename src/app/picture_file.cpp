#include "app/picture_file.h"

#include <QBuffer>
#include <QFile>
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

// The size the picture decodes to. Qt reports a GIF's first frame, but decodes it onto
// the GIF's logical screen, whose size is bytes 6 to 9 of the file (little-endian).
QSize decodedSize(QImageReader& reader, const QString& path)
{
    const QSize size = reader.size();
    if (reader.format() != "gif")
        return size;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return size;
    const QByteArray head = file.read(10);
    if (head.size() < 10)
        return size;
    const auto byte = [&head](int i) { return int(static_cast<unsigned char>(head.at(i))); };
    const QSize screen(byte(6) | byte(7) << 8, byte(8) | byte(9) << 8);
    return size.isValid() ? size.expandedTo(screen) : screen;
}

} // namespace

QSize coveringDecodeSize(QSize stored, QSize target)
{
    if (stored.isEmpty() || target.isEmpty())
        return stored;
    for (const int k : {8, 4, 2})
        if (stored.width() / k >= target.width() && stored.height() / k >= target.height())
            return QSize(stored.width() / k, stored.height() / k);
    return stored;
}

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
    if (const QSize decoded = decodedSize(reader, path); decoded.isValid() && isTooLarge(decoded))
        return {QImage(), tooLargeText(name, decoded)};
    // A picture turned upright after decoding: the decoder sees it as stored, the caller upright.
    const bool turned = options.autoTransform && (reader.transformation() & QImageIOHandler::TransformationRotate90);
    if (options.scaledSize.isValid()) {
        reader.setScaledSize(options.scaledSize);
    } else if (options.covering.isValid() && size.isValid() && reader.format() == "jpeg") {
        const QSize decoded = coveringDecodeSize(size, turned ? options.covering.transposed() : options.covering);
        if (decoded != size)
            reader.setScaledSize(decoded);
    } else if (options.largest.isValid() && size.isValid()
             && (size.width() > options.largest.width() || size.height() > options.largest.height()))
        reader.setScaledSize(size.scaled(options.largest, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const QSize storedUpright = turned ? size.transposed() : size;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return {QImage(), QStringLiteral("%1 kan niet worden gelezen.").arg(name)};
    // Should another reader understate what it decodes to, the allocation limit bounded the
    // decoding, and what came out is held to the limit too.
    if (isTooLarge(image.size()))
        return {QImage(), tooLargeText(name, image.size())};
    return {image, QString(), storedUpright.isValid() ? storedUpright : image.size()};
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
