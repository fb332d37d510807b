#pragma once

// Reading and writing the program's picture files. Every picture is measured
// from its header before anything is decoded, against the limits below: a few
// hundred bytes can claim 40000 x 40000 pixels, and the decoders allocate for
// the whole stored picture even when asked for a small one. A file cut short
// is refused rather than shown with a grey or black part. Writing goes
// through the safe file replacement, so a failed write keeps the old file.

#include "app/safe_file.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace PictureFile {

// 64 megapixels: every camera photo a collector is likely to place, 256 MB decoded.
inline constexpr qint64 MaximumPixels = 8192LL * 8192;
// What one picture may take while it is decoded: its output, and for a progressive JPEG the decoder's
// coefficients of the whole picture. A 16-bit PNG at the pixel limit would take 512 MB, a progressive JPEG
// with full colour 384 MB before its output; the program stays under 400 MB whatever it is given.
inline constexpr qint64 MaximumDecodeBytes = 300LL * 1024 * 1024;

struct ReadOptions
{
    QSize exactSize;            // when valid: a picture of another size is refused before it is decoded
    QSize scaledSize;           // when valid: decoded at exactly this size
    QSize largest;              // when valid: a larger picture is decoded to fit inside it, keeping its shape
    QSize covering;             // when valid: a JPEG is decoded only as large as needed to cover this size
    bool autoTransform = false; // turn a camera photo upright as its header says

    // A sheetlet picture or a supplement's bitmap, which the program only ever makes at the canvas size.
    static ReadOptions exactly(QSize size) { return {.exactSize = size}; }
    static ReadOptions exactlyScaled(QSize size, QSize scaled) { return {.exactSize = size, .scaledSize = scaled}; }
    static ReadOptions scaledTo(QSize size) { return {.scaledSize = size}; }
    static ReadOptions within(QSize size) { return {.largest = size}; }
    // A photo to be stretched to the target size: upright, and no larger than needed to cover it.
    static ReadOptions uprightCovering(QSize target) { return {.covering = target, .autoTransform = true}; }
};

struct Picture
{
    QImage image;     // null when the file could not be read
    QString error;    // a Dutch explanation when it could not
    QSize storedSize; // the picture's size in the file (upright when turned), whatever size it was decoded at

    bool ok() const { return !image.isNull(); }
};

// The picture at path, whatever its name says it is (the content decides).
Picture read(const QString& path, const ReadOptions& options = {});

// What a JPEG of the stored size is decoded at to cover the target: the smallest of 1/8, 1/4 and 1/2 of it
// (rounded down) that still covers the target in both directions, which the decoder takes from the DCT
// coefficients without decoding the full picture; the stored size itself when none does. Other eighths
// would need the decoder's slow scaled transforms and cost more than they save.
QSize coveringDecodeSize(QSize stored, QSize target);

// The stored size from the header, without decoding; nothing when the header does not say.
std::optional<QSize> storedSize(const QString& path);

bool isTooLarge(QSize size);
QString tooLargeText(const QString& name, QSize size);
QString wrongSizeText(const QString& name, QSize size, QSize wanted);

// The picture encoded as a file of the format ("BMP", "PNG", "JPEG"); quality -1 is the format's default.
std::optional<QByteArray> encode(const QImage& image, const QByteArray& format, int quality = -1);
SafeFile::Result write(const QImage& image, const QString& path, const QByteArray& format, int quality = -1);

} // namespace PictureFile
