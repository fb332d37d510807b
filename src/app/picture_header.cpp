#include "app/picture_header.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace PictureHeader {

namespace {

// A JPEG is whole when its segments lead to the end marker (FF D9). Inside the
// compressed data of a scan a byte FF is always followed by 00 or a restart
// marker, so the first other marker there ends the scan; the tables between
// the scans of a progressive JPEG are skipped by their lengths, as is a
// thumbnail in the camera's header, whose own end marker is not the picture's.
bool jpegIsCutShort(const uchar* data, qint64 size)
{
    qint64 at = 2; // after the start marker
    while (true) {
        // A marker: FF, perhaps padded with more FF, then its code. Stray bytes before it are skipped, as the
        // decoder does.
        const void* found = at < size ? std::memchr(data + at, 0xFF, size_t(size - at)) : nullptr;
        if (!found)
            return true;
        at = static_cast<const uchar*>(found) - data;
        while (at < size && data[at] == 0xFF)
            ++at;
        if (at >= size)
            return true;
        const uchar marker = data[at++];
        if (marker == 0xD9)
            return false;
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // no length follows
        if (at + 2 > size)
            return true;
        at += qFromBigEndian<quint16>(data + at);
        if (at > size)
            return true;
        if (marker != 0xDA)
            continue;
        // The compressed data of a scan runs to the first FF that is not followed by 00 or a restart marker.
        while (true) {
            const void* ff = at < size ? std::memchr(data + at, 0xFF, size_t(size - at)) : nullptr;
            if (!ff)
                return true;
            at = static_cast<const uchar*>(ff) - data;
            if (at + 1 >= size)
                return true;
            const uchar next = data[at + 1];
            if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7) && next != 0xFF)
                break;
            at += next == 0xFF ? 1 : 2;
        }
    }
}

// A bitmap without compression holds its rows at the offset its file header gives, each padded to four bytes.
bool bitmapIsCutShort(const uchar* data, qint64 size)
{
    if (size < 26)
        return true;
    const quint32 offset = qFromLittleEndian<quint32>(data + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(data + 14);
    qint64 width = 0, height = 0, bits = 0;
    quint32 compression = 0;
    if (headerSize == 12) { // the old OS/2 header
        width = qFromLittleEndian<quint16>(data + 18);
        height = qFromLittleEndian<quint16>(data + 20);
        bits = qFromLittleEndian<quint16>(data + 24);
    } else {
        if (size < 34)
            return true;
        width = qFromLittleEndian<qint32>(data + 18);
        height = std::abs(qint64(qFromLittleEndian<qint32>(data + 22))); // negative: rows top down
        bits = qFromLittleEndian<quint16>(data + 28);
        compression = qFromLittleEndian<quint32>(data + 30);
    }
    // Run-length coded rows have no fixed length; a header this odd the size limit refuses anyway.
    const bool plainRows = compression == 0 || compression == 3 || compression == 6;
    if (!plainRows || width <= 0 || width > (1 << 20) || height > (1 << 20) || bits <= 0 || bits > 32)
        return false;
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return size < qint64(offset) + rowBytes * height;
}

} // namespace

bool isCutShort(const uchar* data, qint64 size, const QByteArray& format)
{
    if (format == "jpeg")
        return size < 2 || jpegIsCutShort(data, size);
    if (format == "bmp")
        return bitmapIsCutShort(data, size);
    return false;
}

qint64 jpegWorkingBytes(const uchar* data, qint64 size)
{
    // The frame header follows the segments before it: SOF2 (progressive) or another SOFn.
    for (qint64 at = 2; at + 4 <= size && data[at] == 0xFF;) {
        const uchar marker = data[at + 1];
        if (marker == 0xFF) { // padding before the marker
            ++at;
            continue;
        }
        const qint64 length = qFromBigEndian<quint16>(data + at + 2);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (!frame) {
            at += 2 + length;
            continue;
        }
        if (marker != 0xC2 || at + 10 > size)
            return 0;
        const qint64 height = qFromBigEndian<quint16>(data + at + 5), width = qFromBigEndian<quint16>(data + at + 7);
        const int components = data[at + 9];
        int sampled = 0, widest = 1, highest = 1;
        for (int c = 0; c < components && at + 12 + 3 * c <= size; ++c) {
            const int factors = data[at + 11 + 3 * c], h = std::max(1, factors >> 4), v = std::max(1, factors & 15);
            sampled += h * v;
            widest = std::max(widest, h);
            highest = std::max(highest, v);
        }
        return width * height * 2 * sampled / (widest * highest);
    }
    return 0;
}

Inspection inspect(const QString& path, const QByteArray& format)
{
    if (format != "jpeg" && format != "bmp")
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {true, 0};
    qint64 size = file.size();
    const uchar* data = size > 0 ? file.map(0, size) : nullptr;
    QByteArray bytes; // where the file cannot be mapped
    if (!data) {
        bytes = file.readAll();
        data = reinterpret_cast<const uchar*>(bytes.constData());
        size = bytes.size();
    }
    return {isCutShort(data, size, format), format == "jpeg" ? jpegWorkingBytes(data, size) : 0};
}

} // namespace PictureHeader
