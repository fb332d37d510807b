#pragma once

// Phone photos in the HEIF container: HEIC (an iPhone's default) and AVIF,
// which Qt cannot read, through libheif. The size in the header is held to
// the picture files' limits before anything is decoded; the photo comes out
// upright (the container's rotation and mirroring applied).

#include <QByteArray>
#include <QImage>
#include <QString>

namespace HeifReader {

struct Result
{
    QImage image;     // null when it could not be read
    QString error;    // in Dutch, naming the file
    QSize storedSize; // upright
};

// Whether HEIC and AVIF can be read here (the program was built with libheif).
bool available();

// Whether the first twelve bytes are those of a HEIF file ("ftyp" and one of the family's brands).
bool looksLikeHeif(const QByteArray& head);

Result read(const QString& path);

} // namespace HeifReader
