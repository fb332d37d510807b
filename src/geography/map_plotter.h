#pragma once

// One plotting run over the map picture: each place gets a white dot with a
// black rim, its running number in bold white over a black shadow, and a
// line in the list of places, which fills a first column from (418, 22) and
// moves to a second column from (518, 22) at place 34. A number goes up and
// to the right of its dot, or, where an earlier number stands there, to the
// first other corner that is free.

#include "geography/map_places.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRectF>
#include <QString>

class MapPlotter
{
public:
    static constexpr QPoint FirstColumn{418, 22};
    static constexpr QPoint SecondColumn{518, 22};
    static constexpr int SecondColumnFrom = 34;
    static constexpr int LineStep = 13;
    static constexpr int DotRadius = 3;
    static constexpr QRgb ListColour = qRgb(250, 250, 250);

    // Where the parts of one place are drawn; the number texts begin with the blank that
    // stands for the sign of a printed number.
    struct Marks
    {
        QPointF dotCentre;
        QPointF shadowTopLeft; // black number
        QPointF numberTopLeft; // white number
        QString numberText;
        QPointF listTopLeft;
        QString listText;
    };

    explicit MapPlotter(QImage& map);

    // A new run: number 1, the list at the top of its first column.
    void start();
    // Draws the next place and advances the number and the list position.
    void plot(const MapPlace& place);

    // The marks the next place would get.
    Marks marksFor(const MapPlace& place) const;
    int plotted() const { return m_number - 1; }
    // "12 Steden" after twelve places.
    QString counterText() const;

    static QFont font();

private:
    QImage& m_map;
    int m_number = 1;
    QPoint m_list = FirstColumn;
    QList<QRectF> m_numbers; // the numbers drawn so far in this run, shadow included
};
