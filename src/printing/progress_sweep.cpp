#include "printing/progress_sweep.h"

#include <QPainter>

QColor Voortgang::columnColour(int i)
{
    return QColor(255 - i, i, 255);
}

QImage Voortgang::emptyBar()
{
    QImage bar(BarSize, QImage::Format_RGB32);
    bar.fill(QColor(150, 170, 140));
    return bar;
}

void Voortgang::drawColumn(QImage& bar, int i)
{
    QPainter painter(&bar);
    painter.setPen(columnColour(i));
    painter.drawLine(i, 0, i, 18);
}
