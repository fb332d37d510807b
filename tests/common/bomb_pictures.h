#pragma once

// Picture files whose header claims far more pixels than the file holds: a few
// hundred bytes that would make a decoder allocate gigabytes. The fuzz corpus
// (tests/fuzz/corpus/pictures/bomb-*) holds more, metafiles among them.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

namespace BombPictures {

// A progressive JPEG of 8 x 8 pixels whose frame header says width x height.
inline QByteArray progressiveJpeg(quint16 width, quint16 height)
{
    QImage small(8, 8, QImage::Format_RGB32);
    small.fill(qRgb(200, 40, 90));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(true);
    writer.write(small);
    // The progressive frame header: FF C2, length, precision, then height and width.
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC2", 2));
    if (frame < 0)
        return {};
    qToBigEndian(height, bytes.data() + frame + 5);
    qToBigEndian(width, bytes.data() + frame + 7);
    return bytes;
}

// The headers of a 24-bit Windows bitmap of width x height without its pixels.
inline QByteArray bitmapHeader(qint32 width, qint32 height)
{
    QByteArray bytes(54, '\0');
    char* p = bytes.data();
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(54 + quint32(width) * 3 * quint32(height), p + 2);
    qToLittleEndian<quint32>(54, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(width, p + 18);
    qToLittleEndian<qint32>(height, p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(24, p + 28);
    return bytes;
}

} // namespace BombPictures
