#pragma once

// The country's place names from Data\plaatsnamen.cat, one field each
// (quoted when the name holds a comma), and the choice of those that begin
// with a letter.

#include <QString>
#include <QStringList>

namespace PlaceNames {

inline const QString FileName = QStringLiteral("Data/plaatsnamen.cat");

// The letters offered: "A" to "Z" and the apostrophe of names like 's-Hertogenbosch.
QStringList letters();

// Every name in file order; nothing when the file is missing, unreadable or not text.
QStringList read(const QString& path);

// The names whose first character is the letter (case-sensitive), names of one character left out.
QStringList startingWith(const QStringList& names, const QString& letter);

// The file's names for the letter, read from the start of the file.
QStringList forLetter(const QString& path, const QString& letter);

} // namespace PlaceNames
