#include "app/save_path.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace SavePath {

QString withExtension(const QString& path, const QStringList& extensions)
{
    const QString name = QFileInfo(path).fileName();
    for (const QString& extension : extensions)
        if (name.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive) && name.size() > extension.size() + 1)
            return path;
    return path + QLatin1Char('.') + extensions.value(0);
}

QString suggestion(const QString& name, const QString& fallback, const QString& extension)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    const bool usable =
        !name.trimmed().isEmpty() && !name.startsWith(QLatin1Char('.')) &&
        std::none_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20 || forbidden.contains(c); });
    return folder + QLatin1Char('/') + (usable ? name : fallback) + QLatin1Char('.') + extension;
}

} // namespace SavePath
