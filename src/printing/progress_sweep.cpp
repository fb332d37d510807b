#include "printing/progress_sweep.h"

#include <QPainter>

QColor Voortgang::kolomKleur(int i)
{
    return QColor(255 - i, i, 255);
}

QImage Voortgang::legeBalk()
{
    QImage balk(BarSize, QImage::Format_RGB32);
    balk.fill(QColor(150, 170, 140));
    return balk;
}

void Voortgang::tekenKolom(QImage& balk, int i)
{
    QPainter painter(&balk);
    painter.setPen(kolomKleur(i));
    painter.drawLine(i, 0, i, 18);
}
