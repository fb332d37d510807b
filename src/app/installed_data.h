#pragma once

// The data an installed program brings along (the catalogue, the pictures, the
// sample supplements, the help pages), kept up to date in the user's own
// folder without losing what the user changed.
//
// A file's version is the fingerprint of its content: a package that corrects
// a catalogue price brings a file with another fingerprint, and nothing has to
// be numbered by hand. The user's folder records, per file, the version it was
// given and the version the user was last told about, in ".velinor-data-versions".
// At each start, per installed file:
//   - not given before: copied (a file of the same name already there is the
//     user's own and stays; if it differs, the user is told once);
//   - the same version as given: nothing to do, also when the user deleted it;
//   - a newer version: the copy replaced when the user never changed it, kept
//     (and the user told once) when they did; a deleted copy stays deleted.

#include <QString>
#include <QStringList>

struct DataUpdate
{
    QStringList copied;      // new in the user's folder
    QStringList replaced;    // an unchanged copy, replaced by the newer installed file
    QStringList keptChanged; // the user's changed copy, kept although a newer file is installed: to be told
};

// Brings userFolder's copies of installed's Data, Images, Supplementen and help up to date;
// paths in the result are relative ("Data/Informatie.cat").
DataUpdate UpdateUserData(const QString& installed, const QString& userFolder);

// What to tell the user about the kept copies, in Dutch; empty when there are none.
QString KeptCopiesMessage(const QStringList& keptChanged, const QString& installed);
