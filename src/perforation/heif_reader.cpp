#include "perforation/heif_reader.h"

#include "app/picture_file.h"

#include <QFile>
#include <QFileInfo>

#ifdef VELINOR_HAVE_HEIF
#include <libheif/heif.h>

#include <memory>
#endif

namespace HeifReader {

bool available()
{
#ifdef VELINOR_HAVE_HEIF
    return true;
#else
    return false;
#endif
}

bool looksLikeHeif(const QByteArray& head)
{
    static const QByteArrayList Brands{"heic", "heix", "hevc", "hevx", "heim", "heis", "mif1", "msf1", "avif", "avis"};
    return head.size() >= 12 && head.mid(4, 4) == "ftyp" && Brands.contains(head.mid(8, 4));
}

#ifdef VELINOR_HAVE_HEIF

namespace {

// Besides the output (four bytes a pixel) the decoder holds the picture's planes, one and a half bytes a pixel.
constexpr qint64 BytesPerPixel = 4 + 2;

template <typename T, void (*Free)(T*)> struct Deleter
{
    void operator()(T* p) const { Free(p); }
};
using Context = std::unique_ptr<heif_context, Deleter<heif_context, heif_context_free>>;
using Handle = std::unique_ptr<heif_image_handle, Deleter<const heif_image_handle, heif_image_handle_release>>;
using Image = std::unique_ptr<heif_image, Deleter<const heif_image, heif_image_release>>;

} // namespace

Result read(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const auto failed = [&name](const heif_error& error) {
        return Result{QImage(),
                      QStringLiteral("%1 kan niet worden gelezen (%2).").arg(name, QString::fromUtf8(error.message)),
                      QSize()};
    };
    Context context(heif_context_alloc());
    if (const heif_error error =
            heif_context_read_from_file(context.get(), QFile::encodeName(path).constData(), nullptr);
        error.code != heif_error_Ok)
        return failed(error);
    heif_image_handle* primary = nullptr;
    if (const heif_error error = heif_context_get_primary_image_handle(context.get(), &primary);
        error.code != heif_error_Ok)
        return failed(error);
    const Handle handle(primary);
    const QSize stored(heif_image_handle_get_width(primary), heif_image_handle_get_height(primary));
    if (PictureFile::isTooLarge(stored) ||
        qint64(stored.width()) * stored.height() * BytesPerPixel > PictureFile::MaximumDecodeBytes)
        return {QImage(), PictureFile::tooLargeText(name, stored), stored};
    heif_image* decoded = nullptr;
    if (const heif_error error =
            heif_decode_image(primary, &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, nullptr);
        error.code != heif_error_Ok)
        return failed(error);
    const Image image(decoded);
    int stride = 0;
    const uint8_t* pixels = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0)
        return {QImage(), QStringLiteral("%1 kan niet worden gelezen.").arg(name), stored};
    // Copied out of the decoder's buffer, which goes with it.
    return {QImage(pixels, width, height, stride, QImage::Format_RGBA8888).copy(), QString(), QSize(width, height)};
}

#else

Result read(const QString& path)
{
    return {QImage(),
            QStringLiteral("%1 is een HEIC- of AVIF-foto; die kan deze uitgave niet lezen.")
                .arg(QFileInfo(path).fileName()),
            QSize()};
}

#endif

} // namespace HeifReader
