#include "app/program_folder.h"

#include "app/installed_data.h"
#include "app/user_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

ProgramFolder::ProgramFolder(QString root)
    : m_root(QDir::cleanPath(QDir(root).absolutePath()))
{}

ProgramFolder ProgramFolder::choose(const QString& homeOption, const QString& executableDir)
{
    if (!homeOption.isEmpty())
        return ProgramFolder(homeOption);
    const QString fromEnvironment = qEnvironmentVariable("VELINOR_HOME");
    if (!fromEnvironment.isEmpty())
        return ProgramFolder(fromEnvironment);
    // An installed program folder that cannot be written gives way to the user's own folder.
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const WorkingFolder working =
        ChooseWorkingFolder(executableDir, userFolder.isEmpty() ? QString() : userFolder + QStringLiteral("/velinor"));
    ProgramFolder folder(working.root);
    folder.m_dataMessage = KeptCopiesMessage(working.keptChanged, executableDir);
    return folder;
}

QString ProgramFolder::problem() const
{
    if (!QFileInfo(m_root).isDir())
        return QStringLiteral("De programmamap %1 bestaat niet.").arg(m_root);
    return QString();
}

namespace {

// The entry of dir named like name without regard to case; the exact spelling wins.
QString matchEntry(const QString& dir, const QString& name)
{
    if (QFileInfo::exists(dir + QLatin1Char('/') + name))
        return name;
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

QString ProgramFolder::path(const QString& relative) const
{
    QString normalised = relative;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = normalised.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = m_root;
    for (const QString& part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            current += QLatin1Char('/') + part;
        else
            current += QLatin1Char('/') + matchEntry(current, part);
    }
    return QDir::cleanPath(current);
}
