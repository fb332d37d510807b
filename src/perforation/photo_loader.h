#pragma once

// Reading a photo for placement on the canvas: JPEG, PNG, BMP and GIF (and
// whatever else the Qt image readers know), and Windows Metafiles. A picture
// larger than the one limit of the picture files is refused before it is decoded.

#include "app/picture_file.h"

#include <QImage>
#include <QString>

using PhotoFile = PictureFile::Picture;

namespace PhotoLoader {

constexpr qint64 MaximumBytes = PictureFile::MaximumPixels * 4;

PhotoFile load(const QString& path);

// The "*.*" menu caption for a loaded picture: name / W x H pixels.
QString sizeCaption(const QString& path, QSize size);

} // namespace PhotoLoader
