#pragma once

// The settings file "Velinor.ini": four records, of which only lines 3 and 4
// mean anything: the panel colour and the page colour of the main window.

#include "app/safe_file.h"

#include <QString>

class ApplicationState;

namespace SettingsFile {

inline const QString FileName = QStringLiteral("Velinor.ini");
inline const QString Header = QStringLiteral("Velinor - verzamelaarssoftware 2026");
inline const QString Hyphens = QStringLiteral("--------------------------");
// Four short lines; anything larger is not a settings file of this program.
inline constexpr qint64 MaximumSize = 64 * 1024;

// Reads the two colours into the state. Reading stops at the first failure
// (missing or unreadable file, too few fields, a value that does not fit);
// what was read up to then stays. Returns whether the whole file was read.
bool read(const QString& path, ApplicationState& state);

// Writes the file anew from the state's current colours; a failed write keeps the old file.
SafeFile::Result write(const QString& path, const ApplicationState& state);

// Start-up: read the file and, when that fails, write it anew with the colours the state now holds.
void load(const QString& path, ApplicationState& state);

} // namespace SettingsFile
