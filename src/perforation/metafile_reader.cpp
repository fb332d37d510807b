#include "perforation/metafile_reader.h"

#ifdef VELINOR_HAVE_MAGICK
#include <Magick++.h>

#include <mutex>
#endif

namespace MetafileReader {

bool available()
{
#ifdef VELINOR_HAVE_MAGICK
    return true;
#else
    return false;
#endif
}

bool looksLikeMetafile(const QByteArray& head)
{
    if (head.startsWith(QByteArray::fromHex("d7cdc69a")))
        return true;
    // A plain metafile header: type 1 (memory) or 2 (disk), a header of nine words, version 0x0100 or 0x0300.
    return head.size() >= 6 && (head.startsWith(QByteArray::fromHex("01000900")) || head.startsWith(QByteArray::fromHex("02000900")))
        && (head.mid(4, 2) == QByteArray::fromHex("0003") || head.mid(4, 2) == QByteArray::fromHex("0001"));
}

QImage read(const QString& path, qint64 maximumBytes)
{
#ifdef VELINOR_HAVE_MAGICK
    static std::once_flag initialised;
    std::call_once(initialised, [] { Magick::InitializeMagick(nullptr); });
    try {
        Magick::Image picture;
        picture.density(Magick::Geometry(96, 96));
        picture.ping(path.toStdString());
        const qint64 width = qint64(picture.columns()), height = qint64(picture.rows());
        if (width <= 0 || height <= 0 || width * height * 4 > maximumBytes)
            return {};
        picture.backgroundColor(Magick::Color("white"));
        picture.read(path.toStdString());
        QImage image(int(picture.columns()), int(picture.rows()), QImage::Format_ARGB32);
        image.fill(Qt::white);
        // BGRA bytes are exactly QImage's ARGB32 words on a little-endian machine.
        picture.write(0, 0, picture.columns(), picture.rows(), "BGRA", Magick::CharPixel, image.bits());
        QImage onWhite(image.size(), QImage::Format_RGB32);
        onWhite.fill(Qt::white);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                const int a = qAlpha(p);
                auto mix = [a](int c) { return (c * a + 255 * (255 - a)) / 255; };
                onWhite.setPixel(x, y, qRgb(mix(qRed(p)), mix(qGreen(p)), mix(qBlue(p))));
            }
        return onWhite;
    } catch (const std::exception&) {
        return {};
    }
#else
    Q_UNUSED(path)
    Q_UNUSED(maximumBytes)
    return {};
#endif
}

} // namespace MetafileReader
