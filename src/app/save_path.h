#pragma once

// The names of files the user saves to: the type's extension added to a name
// typed without it, and a first suggestion in a folder that exists (a dialog
// given a folder that is missing offers the folder's name as the file name).

#include <QString>
#include <QStringList>

namespace SavePath {

// path with the first extension added, unless its name already ends in one of them (case ignored).
QString withExtension(const QString& path, const QStringList& extensions);

// name.extension in the user's documents folder, or the home folder when that is missing;
// fallback instead of a name that cannot be a file name.
QString suggestion(const QString& name, const QString& fallback, const QString& extension);

} // namespace SavePath
