#pragma once

// The program's text files: 8-bit Windows-1252 lines ended by CR LF.
// Reading also takes LF-only lines and UTF-8 text, so files edited elsewhere
// keep working; writing always produces Windows-1252 with CR LF.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace TextFile {

QString decode(const QByteArray& bytes);     // Windows-1252, or UTF-8 when the bytes are valid UTF-8
QByteArray encode(const QString& text);      // Windows-1252; characters it lacks become '?'

// Splits decoded text into lines at CR LF, LF or a lone CR; a final line end adds no empty line.
QStringList splitLines(const QString& text);

// The lines of a file, or nothing when it cannot be opened or read.
std::optional<QStringList> readLines(const QString& path);

// Writes the lines, each ended by CR LF. The file is replaced only once the
// new content is completely on disk, so a failed write never leaves half a file.
bool writeLines(const QString& path, const QStringList& lines);

// Writes raw bytes with the same all-or-nothing guarantee.
bool writeBytes(const QString& path, const QByteArray& bytes);

} // namespace TextFile
