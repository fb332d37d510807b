#pragma once

// The supplements last opened or saved, newest first, at most five: what File ›
// "Recente supplementen" lists. Each user has a list of their own, so it is kept
// in a settings file in the desktop's configuration folder, not in the program
// folder beside Velinor.ini, which keeps the two colours as it always has.

#include <QList>
#include <QString>

class RecentSupplements
{
public:
    static constexpr int Max = 5;

    struct Entry
    {
        QString path;  // the supplement's .sup file
        QString place; // its place name when it was last opened or saved
        bool operator==(const Entry&) const = default;
    };

    // The list kept in the settings file at settingsPath; an empty path keeps it in memory only.
    explicit RecentSupplements(QString settingsPath);

    const QList<Entry>& entries() const { return m_entries; }
    // An opened or saved supplement goes to the front, once; the oldest beyond Max goes.
    void add(const QString& path, const QString& place);
    // Takes a supplement out of the list (its file is gone).
    void remove(const QString& path);

    // Where the list is kept for the user who runs the program.
    static QString defaultSettingsPath();

private:
    void store() const;

    QString m_settingsPath;
    QList<Entry> m_entries;
};
