#pragma once

// The version stamped into the program file. The build writes a marker with
// the version into the executable; reading it back from the file on disk
// tells which version that file is, whichever program asks.

#include <QString>

// The build's own version, "major.minor.build.revision".
QString ProgramVersion();

// The version found in the named file, or "Error" when the file cannot be
// read or holds no version marker.
QString GetFileVersion(const QString& strFileName);
