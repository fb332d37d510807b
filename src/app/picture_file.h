#pragma once

// Reading and writing the program's picture files. Every picture is measured
// from its header before anything is decoded, against one limit: a few
// hundred bytes can claim 40000 x 40000 pixels, and the decoders allocate for
// the whole stored picture even when asked for a small one. Writing goes
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

struct ReadOptions
{
    QSize scaledSize;           // when valid: decoded at exactly this size
    QSize largest;              // when valid: a larger picture is decoded to fit inside it, keeping its shape
    bool autoTransform = false; // turn a camera photo upright as its header says

    static ReadOptions scaledTo(QSize size) { return {size, QSize(), false}; }
    static ReadOptions within(QSize size) { return {QSize(), size, false}; }
    static ReadOptions upright() { return {QSize(), QSize(), true}; }
};

struct Picture
{
    QImage image;  // null when the file could not be read
    QString error; // a Dutch explanation when it could not

    bool ok() const { return !image.isNull(); }
};

// The picture at path, whatever its name says it is (the content decides).
Picture read(const QString& path, const ReadOptions& options = {});

// The stored size from the header, without decoding; nothing when the header does not say.
std::optional<QSize> storedSize(const QString& path);

bool isTooLarge(QSize size);
QString tooLargeText(const QString& name, QSize size);

// The picture encoded as a file of the format ("BMP", "PNG", "JPEG"); quality -1 is the format's default.
std::optional<QByteArray> encode(const QImage& image, const QByteArray& format, int quality = -1);
SafeFile::Result write(const QImage& image, const QString& path, const QByteArray& format, int quality = -1);

} // namespace PictureFile
