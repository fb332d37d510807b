#pragma once

// What a picture file's bytes say before it is decoded. Qt's JPEG and BMP
// readers report success for a file that was cut short (a download that
// stopped, a copy to a full stick) and fill the missing part with grey or
// black, which a collector would put on a sheetlet without noticing; PNG's
// reader fails by itself. And a progressive JPEG makes the decoder hold the
// coefficients of the whole picture, however small it is asked for.

#include <QByteArray>
#include <QString>

namespace PictureHeader {

// True when the bytes of a file of the format ("jpeg", "bmp", as QImageReader names it) end before the
// picture does: a JPEG without its end marker, a bitmap with fewer pixel rows than its header gives.
// Formats this does not know are taken as whole.
bool isCutShort(const uchar* data, qint64 size, const QByteArray& format);

// The bytes the JPEG decoder holds besides its output: for a progressive JPEG two bytes per coefficient of
// every colour component of the whole picture, for a plain one nothing worth counting.
qint64 jpegWorkingBytes(const uchar* data, qint64 size);

// The file at path, mapped rather than read, so a camera photo is looked at without a copy in memory.
struct Inspection
{
    bool cutShort = false;
    qint64 workingBytes = 0;
};
Inspection inspect(const QString& path, const QByteArray& format);

} // namespace PictureHeader
