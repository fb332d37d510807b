#pragma once

// Where the program keeps its files when it is installed in a folder the user
// cannot write (the installed package under /usr): the program folder stays the
// default where it can be written; otherwise a folder of the user's own is used,
// kept up to date with the installed data (installed_data.h), so that
// supplements and the settings file have somewhere to go.

#include <QString>
#include <QStringList>

// Whether a file can be created in the folder.
bool IsWritableFolder(const QString& folder);

struct WorkingFolder
{
    QString root;
    QStringList keptChanged; // the user's changed copies of data files a newer version is installed of
};

// installed when it can be written; otherwise userFolder, with the installed Data, Images,
// Supplementen and help brought up to date in it.
WorkingFolder ChooseWorkingFolder(const QString& installed, const QString& userFolder);
