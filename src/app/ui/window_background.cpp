#include "app/ui/window_background.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
