#pragma once

// Reading a photo for placement on the canvas: JPEG, PNG, BMP and GIF (and
// whatever else the Qt image readers know). A picture whose decoded size
// would pass MaximumBytes is refused before it is decoded.

#include <QImage>
#include <QString>

struct PhotoFile
{
    QImage image;  // null when the file could not be read
    QString error; // a Dutch explanation when it could not

    bool ok() const { return !image.isNull(); }
};

namespace PhotoLoader {

constexpr qint64 MaximumBytes = 256LL * 1024 * 1024;

PhotoFile load(const QString& path);

// The "*.*" menu caption for a loaded picture: name / W x H pixels.
QString sizeCaption(const QString& path, QSize size);

} // namespace PhotoLoader
