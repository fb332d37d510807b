#pragma once

// A temporary program folder for a test, laid out like build/bin: Data,
// Images, Supplementen and help, optionally filled with the sample data.

#include "app/program_folder.h"

#include <QByteArray>
#include <QTemporaryDir>

class TestFolder
{
public:
    // withSampleData copies the repository's data/ folder into the new folder.
    explicit TestFolder(bool withSampleData = false);

    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_dir.path(); }
    ProgramFolder folder() const { return ProgramFolder(m_dir.path()); }
    QString path(const QString& relative) const { return folder().path(relative); }

    // Writes raw bytes to a file below the folder, creating folders on the way.
    bool write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;

    // The repository's source folder, for sample data and fixtures.
    static QString sourceDir();

private:
    QTemporaryDir m_dir;
};
