#include "common/test_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

bool copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else if (!QFile::copy(source, target)) {
            return false;
        }
    }
    return true;
}

} // namespace

TestFolder::TestFolder(bool withSampleData)
{
    for (const char* sub : {"Data", "Images", "Supplementen", "help"})
        QDir(m_dir.path()).mkpath(QString::fromLatin1(sub));
    if (withSampleData)
        copyTree(sourceDir() + QStringLiteral("/data"), m_dir.path());
}

bool TestFolder::write(const QString& relative, const QByteArray& bytes) const
{
    const QString target = m_dir.path() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(target).path());
    QFile file(target);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray TestFolder::read(const QString& relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TestFolder::sourceDir()
{
    const QString fromEnvironment = qEnvironmentVariable("VELINOR_SOURCE_DIR");
    return fromEnvironment.isEmpty() ? QStringLiteral(VELINOR_TEST_SOURCE_DIR) : fromEnvironment;
}
