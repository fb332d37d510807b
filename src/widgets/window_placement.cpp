#include "widgets/window_placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

QString key(const QWidget& window)
{
    return QStringLiteral("Vensters/") + window.objectName();
}

} // namespace

void restorePlacement(QWidget& window, const QString& settingsPath)
{
    if (settingsPath.isEmpty())
        return;
    const QVariant stored = QSettings(settingsPath, QSettings::IniFormat).value(key(window));
    if (!stored.canConvert<QPoint>())
        return;
    const QRect placed(stored.toPoint(), window.frameGeometry().size());
    // Its title bar at least must be on a screen, where the mouse can take hold of it.
    const QRect titleBar(placed.topLeft(), QSize(placed.width(), 20));
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersected(titleBar).width() >= 100) {
            window.move(placed.topLeft());
            return;
        }
    }
}

void storePlacement(const QWidget& window, const QString& settingsPath)
{
    if (settingsPath.isEmpty())
        return;
    QSettings(settingsPath, QSettings::IniFormat).setValue(key(window), window.pos());
}
