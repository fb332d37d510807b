#pragma once

// Reading the two data files of the geography windows as a stream of
// comma-separated fields. A file that cannot be read, is not text or is far
// larger than any list of places gives no fields at all, so the windows show
// an empty result instead of plotting or listing rubbish.

#include "app/record.h"

#include <QString>

#include <optional>

namespace PlaceFile {

// Largest file taken as a list of places; the shipped lists are a few tens of kilobytes,
// and a list of every place in the country would be some hundred.
constexpr qint64 MaximumSize = 1024 * 1024;
// Longest name kept: a place name is a few dozen characters; a longer field is cut here so that
// no list or map has to lay out a text of megabytes.
constexpr qsizetype MaximumNameLength = 256;

// A reader over the file's fields, or nothing when the file is missing, unreadable, binary or too large.
std::optional<Record::FieldReader> open(const QString& path);

// True when the bytes hold control characters no text file of the program holds (tab, CR, LF
// and the old end-of-file mark Ctrl-Z excepted).
bool looksBinary(const QByteArray& bytes);

} // namespace PlaceFile
