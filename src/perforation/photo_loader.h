#pragma once

// Reading a photo for placement on the canvas: JPEG, PNG, BMP and GIF (and
// whatever else the Qt image readers know), and Windows Metafiles. A picture
// larger than the one limit of the picture files is refused before it is decoded.

#include "app/picture_file.h"

#include <QImage>
#include <QString>

using PhotoFile = PictureFile::Picture;

namespace PhotoLoader {

// The photo upright; a JPEG decoded no larger than it must be to cover the target size, when one is given
// (storedSize still tells its size in the file).
PhotoFile load(const QString& path, QSize target = QSize());

// The "*.*" menu caption for a loaded picture: name / W x H pixels.
QString sizeCaption(const QString& path, QSize size);

} // namespace PhotoLoader
