#pragma once

// Windows Metafiles (.wmf), which Qt cannot read: drawn by the program
// velinor-metafile, built beside the others when Magick++ is installed. It
// runs as a process of its own, bounded in memory and stopped after
// TimeLimitSeconds, so a metafile that claims a huge canvas or takes minutes
// to draw is refused with a message and never stalls or ends the program.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace MetafileReader {

inline constexpr int TimeLimitSeconds = 4;

// The drawing program: $VELINOR_METAFILE_RENDERER, or velinor-metafile beside the running program.
QString rendererPath();

// Whether Windows Metafiles can be read here.
bool available();

// Whether the first bytes are those of a Windows Metafile (placeable or plain).
bool looksLikeMetafile(const QByteArray& head);

struct Result
{
    QImage image; // the drawing at 96 dots per inch on white; null when refused
    QString error;
};

// Blocks until the drawing is done or refused: call it away from the window's thread.
Result read(const QString& path);

} // namespace MetafileReader
