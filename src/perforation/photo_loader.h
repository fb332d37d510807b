#pragma once

// Reading a photo for placement on the canvas: JPEG, PNG, BMP and GIF, TIFF
// and WebP (and whatever else the Qt image readers know), Windows Metafiles,
// and HEIC and AVIF. A picture larger than the one limit of the picture files
// is refused before it is decoded.

#include "app/picture_file.h"

#include <QImage>
#include <QString>
#include <QStringList>

using PhotoFile = PictureFile::Picture;

namespace PhotoLoader {

// The photo upright; a JPEG decoded no larger than it must be to cover the target size, when one is given
// (storedSize still tells its size in the file).
PhotoFile load(const QString& path, QSize target = QSize());

// The kinds of photo that can be read here, for the file dialogs and the message about a file that cannot be
// read: "JPEG, PNG, BMP, GIF, TIFF, WebP, Windows Metafile, HEIC, AVIF" as far as they are available.
QStringList readableKinds();
// Their name patterns ("*.jpg", "*.jpeg", ...) in both letter cases.
QStringList readablePatterns();

// The "*.*" menu caption for a loaded picture: name / W x H pixels.
QString sizeCaption(const QString& path, QSize size);

} // namespace PhotoLoader
