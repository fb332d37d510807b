#include "app/user_folder.h"

#include "app/safe_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

void copyMissing(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).path());
        // Through the safe writer: a copy cut short by a full disk would otherwise stay, since
        // only missing files are copied.
        QFile in(source);
        if (in.open(QIODevice::ReadOnly))
            SafeFile::replace(target, in.readAll());
    }
}

} // namespace

void CopyMissingData(const QString& from, const QString& to)
{
    for (const char* sub : {"Data", "Images", "Supplementen", "help"}) {
        const QString name = QString::fromLatin1(sub);
        QDir().mkpath(to + QLatin1Char('/') + name);
        copyMissing(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name);
    }
}

bool IsWritableFolder(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.velinor-schrijftest-XXXXXX"));
    return probe.open();
}

QString ChooseWorkingFolder(const QString& installed, const QString& userFolder)
{
    if (IsWritableFolder(installed) || userFolder.isEmpty())
        return installed;
    CopyMissingData(installed, userFolder);
    return userFolder;
}
