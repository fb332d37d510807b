#include "widgets/window_background.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, readableOn(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor readableOn(const QColor& background, const QColor& dark, const QColor& light)
{
    // Rec. 601 weights, as the eye sees the three channels.
    const int brightness = (299 * background.red() + 587 * background.green() + 114 * background.blue()) / 1000;
    return brightness >= 128 ? dark : light;
}

QColor readableOn(const QColor& background)
{
    return readableOn(background, QColor(0, 0, 0), QColor(255, 255, 255));
}
