#include "app/picture_file.h"

#include "app/picture_header.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>

namespace PictureFile {

namespace {

// What Qt's decoders may allocate for the output; read() holds the output and the decoder's own need to less.
constexpr int AllocationLimitMegabytes = int(MaximumDecodeBytes / (1024 * 1024));

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

qint64 outputBytes(QSize size, QImage::Format format)
{
    const int bits = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    return qint64(size.width()) * size.height() * std::max(bits, 8) / 8;
}

// The size to decode at, when not the stored size: asked for, just covering a target, or fitting inside a largest size.
void chooseScaledSize(QImageReader& reader, const ReadOptions& options, bool turned)
{
    const QSize size = reader.size();
    if (options.scaledSize.isValid()) {
        reader.setScaledSize(options.scaledSize);
    } else if (options.covering.isValid() && size.isValid() && reader.format() == "jpeg") {
        const QSize decoded = coveringDecodeSize(size, turned ? options.covering.transposed() : options.covering);
        if (decoded != size)
            reader.setScaledSize(decoded);
    } else if (options.largest.isValid() && size.isValid() &&
               (size.width() > options.largest.width() || size.height() > options.largest.height())) {
        reader.setScaledSize(size.scaled(options.largest, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    }
}

// Why the picture is not to be decoded, from its header and bytes alone; empty when it may be.
QString refusal(QImageReader& reader, const QString& path, const QString& name, const ReadOptions& options)
{
    const QSize decoded = decodedSize(reader, path);
    if (options.exactSize.isValid() && decoded != options.exactSize)
        return wrongSizeText(name, decoded, options.exactSize);
    if (decoded.isValid() && isTooLarge(decoded))
        return tooLargeText(name, decoded);
    const PictureHeader::Inspection header = PictureHeader::inspect(path, reader.format());
    if (header.cutShort)
        return QStringLiteral("%1 is beschadigd: het bestand houdt op voordat het plaatje af is.").arg(name);
    const QSize output = reader.scaledSize().isValid() ? reader.scaledSize() : decoded;
    if (decoded.isValid() && header.workingBytes + outputBytes(output, reader.imageFormat()) > MaximumDecodeBytes)
        return tooLargeText(name, decoded);
    return QString();
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

QString wrongSizeText(const QString& name, QSize size, QSize wanted)
{
    return QStringLiteral("%1 is geen plaatje van %2 x %3 pixels, maar van %4 x %5 pixels.")
        .arg(name)
        .arg(wanted.width())
        .arg(wanted.height())
        .arg(size.width())
        .arg(size.height());
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
    // A picture turned upright after decoding: the decoder sees it as stored, the caller upright.
    const bool turned = options.autoTransform && (reader.transformation() & QImageIOHandler::TransformationRotate90);
    const QSize size = reader.size();
    chooseScaledSize(reader, options, turned);
    if (const QString refused = refusal(reader, path, name, options); !refused.isEmpty())
        return {QImage(), refused};
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return {QImage(), QStringLiteral("%1 kan niet worden gelezen.").arg(name)};
    // Should another reader understate what it decodes to, the allocation limit bounded the
    // decoding, and what came out is held to the limit too.
    if (isTooLarge(image.size()))
        return {QImage(), tooLargeText(name, image.size())};
    const QSize storedUpright = turned ? size.transposed() : size;
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
