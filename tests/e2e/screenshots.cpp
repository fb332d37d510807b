#include "screenshots.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>

Screenshots::Screenshots()
{
    const QString folder = qEnvironmentVariable("VELINOR_SCREENSHOTS");
    if (folder.isEmpty() || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    if (QDir().mkpath(folder))
        m_folder = folder;
    else
        qWarning("Screenshot folder %s cannot be made", qPrintable(folder));
}

void Screenshots::take(const QString& name)
{
    if (!enabled())
        return;
    // Let the windows finish painting and the X server draw it before grabbing.
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::processEvents();
        QGuiApplication::sync();
    }
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    const QString file = QStringLiteral("%1/%2-%3.png").arg(m_folder).arg(++m_count, 2, 10, QLatin1Char('0')).arg(name);
    if (screen.isNull() || !screen.save(file))
        QTest::qFail(qPrintable(QStringLiteral("Screenshot %1 could not be saved").arg(file)), __FILE__, __LINE__);
}

void Screenshots::keep(const QString& path, const QString& name) const
{
    if (!enabled())
        return;
    const QString copy = m_folder + QLatin1Char('/') + name;
    QFile::remove(copy);
    if (!QFile::copy(path, copy))
        QTest::qFail(qPrintable(QStringLiteral("%1 could not be kept").arg(name)), __FILE__, __LINE__);
}
