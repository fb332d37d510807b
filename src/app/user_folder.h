#pragma once

// Where the program keeps its files when it is installed in a folder the user
// cannot write (the installed package under /usr): the program folder stays the
// default where it can be written; otherwise a folder of the user's own is used,
// filled on first use with a copy of the installed data, so that supplements and
// the settings file have somewhere to go.

#include <QString>

// Whether a file can be created in the folder.
bool IsWritableFolder(const QString& folder);

// Copies every file of from's Data, Images, Supplementen and help folders that to lacks; files
// already there (the user's own supplements and data) are never overwritten.
void CopyMissingData(const QString& from, const QString& to);

// installed when it can be written; otherwise userFolder, with every file of the installed
// Data, Images, Supplementen and help folders that it does not have yet copied into it.
QString ChooseWorkingFolder(const QString& installed, const QString& userFolder);
