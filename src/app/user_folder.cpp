#include "app/user_folder.h"

#include "app/installed_data.h"

#include <QFileInfo>
#include <QTemporaryFile>

bool IsWritableFolder(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.velinor-schrijftest-XXXXXX"));
    return probe.open();
}

WorkingFolder ChooseWorkingFolder(const QString& installed, const QString& userFolder)
{
    if (IsWritableFolder(installed) || userFolder.isEmpty())
        return {installed, {}};
    return {userFolder, UpdateUserData(installed, userFolder).keptChanged};
}
