#pragma once

// The program folder: the executable's folder, or the folder given by --home
// or VELINOR_HOME. Every data file lives at a fixed relative path below it;
// folder and file names are matched without regard to letter case, so
// "\Images\" and "images/" name the same folder.

#include <QString>

class ProgramFolder
{
public:
    explicit ProgramFolder(QString root);

    // The folder to use: the --home option if given, else VELINOR_HOME if set, else the executable's
    // folder, or ~/.local/share/velinor when the executable's folder cannot be written (user_folder.h).
    static ProgramFolder choose(const QString& homeOption, const QString& executableDir);

    const QString& root() const { return m_root; }

    // Why the folder cannot serve, in Dutch ("De programmamap ... bestaat niet."); empty when it can.
    QString problem() const;

    // What the user is to be told once about their changed data files, kept although the installed
    // program brings newer ones (installed_data.h); empty when there is nothing to tell.
    const QString& dataMessage() const { return m_dataMessage; }

    // root + relative path, each part spelled as it exists on disk when a part
    // matches without regard to case; parts that do not exist keep the given spelling.
    QString path(const QString& relative) const;

private:
    QString m_root;
    QString m_dataMessage;
};
