#pragma once

// Windows Metafiles (.wmf), which Qt cannot read: drawn through Magick++ when
// the program was built with it, otherwise reported as unreadable.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace MetafileReader {

// Whether Windows Metafiles can be read in this build.
bool available();

// Whether the first bytes are those of a Windows Metafile (placeable or plain).
bool looksLikeMetafile(const QByteArray& head);

// The drawing rendered at 96 dots per inch on white; null when it cannot be read
// or would be larger than maximumBytes decoded.
QImage read(const QString& path, qint64 maximumBytes);

} // namespace MetafileReader
