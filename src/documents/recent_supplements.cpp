#include "documents/recent_supplements.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString Group = QStringLiteral("RecenteSupplementen");

} // namespace

RecentSupplements::RecentSupplements(QString settingsPath)
    : m_settingsPath(std::move(settingsPath))
{
    if (m_settingsPath.isEmpty())
        return;
    QSettings settings(m_settingsPath, QSettings::IniFormat);
    const int count = settings.beginReadArray(Group);
    for (int i = 0; i < count && m_entries.size() < Max; ++i) {
        settings.setArrayIndex(i);
        const Entry entry{settings.value(QStringLiteral("bestand")).toString(),
                          settings.value(QStringLiteral("plaats")).toString()};
        if (!entry.path.isEmpty() && !m_entries.contains(entry))
            m_entries.append(entry);
    }
    settings.endArray();
}

void RecentSupplements::add(const QString& path, const QString& place)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_entries.removeIf([&](const Entry& entry) { return entry.path == absolute; });
    m_entries.prepend({absolute, place});
    if (m_entries.size() > Max)
        m_entries.resize(Max);
    store();
}

void RecentSupplements::remove(const QString& path)
{
    if (m_entries.removeIf([&](const Entry& entry) { return entry.path == path; }) > 0)
        store();
}

QString RecentSupplements::defaultSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/velinor.conf");
}

void RecentSupplements::store() const
{
    if (m_settingsPath.isEmpty())
        return;
    QDir().mkpath(QFileInfo(m_settingsPath).absolutePath());
    QSettings settings(m_settingsPath, QSettings::IniFormat);
    settings.remove(Group);
    settings.beginWriteArray(Group, int(m_entries.size()));
    for (int i = 0; i < int(m_entries.size()); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("bestand"), m_entries.at(i).path);
        settings.setValue(QStringLiteral("plaats"), m_entries.at(i).place);
    }
    settings.endArray();
}
