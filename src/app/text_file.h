#pragma once

// The program's text files: 8-bit Windows-1252 lines ended by CR LF.
// Reading also takes LF-only lines and UTF-8 text that says so with a
// byte-order mark (or holds bytes Windows-1252 leaves unused), so files edited
// elsewhere keep working; writing always produces Windows-1252 with CR LF, and
// what the program wrote always reads back as it was: "CAFÉ’S" in
// Windows-1252 happens to be valid UTF-8 too.

#include "app/safe_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace TextFile {

QString decode(const QByteArray& bytes); // Windows-1252, or UTF-8 as above
QByteArray encode(const QString& text);  // Windows-1252; characters it lacks become '?'

// Splits decoded text into lines at CR LF, LF or a lone CR; a final line end adds no empty line.
QStringList splitLines(const QString& text);

// No text file of the program comes near this; a larger file is not read at all,
// so a damaged or foreign file cannot take the memory of the machine.
inline constexpr qint64 MaximumSize = 16 * 1024 * 1024;

// The lines of a file, or nothing when it cannot be opened or read or is larger than maximumSize.
std::optional<QStringList> readLines(const QString& path, qint64 maximumSize = MaximumSize);

// The lines in the first maximumSize bytes of a file: for a reader that stops at the first
// damage anyway, a larger file is read as far as a whole one could reach.
std::optional<QStringList> readFirstLines(const QString& path, qint64 maximumSize);

// The bytes of a file on the same terms as readLines.
std::optional<QByteArray> readBytes(const QString& path, qint64 maximumSize = MaximumSize);

// The characters of the text that Windows-1252 cannot hold, each once, in order of appearance.
QStringList unencodable(const QString& text);

// Writes the lines, each ended by CR LF. The file is replaced only once the
// new content is completely on disk, so a failed write never leaves half a file.
SafeFile::Result writeLines(const QString& path, const QStringList& lines);

} // namespace TextFile
