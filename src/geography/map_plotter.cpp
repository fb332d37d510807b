#include "geography/map_plotter.h"

#include <QFontMetricsF>
#include <QPainter>

MapPlotter::MapPlotter(QImage& map)
    : m_map(map)
{
}

QFont MapPlotter::font()
{
    // 8 points on the 96-dpi screen the map was laid out for.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    // Crisp letters: the light list and the white numbers stay sharp on the dark map.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void MapPlotter::start()
{
    m_number = 1;
    m_list = FirstColumn;
}

MapPlotter::Marks MapPlotter::marksFor(const MapPlace& place) const
{
    Marks marks;
    const QPointF at = place.position.value_or(QPointF());
    marks.dotCentre = at;
    marks.shadowTopLeft = at + QPointF(3, -7);
    marks.numberTopLeft = at + QPointF(4, -8);
    marks.numberText = QLatin1Char(' ') + QString::number(m_number);
    marks.listTopLeft = m_number == SecondColumnFrom ? SecondColumn : m_list;
    marks.listText = QString::number(m_number) + QStringLiteral("  ") + place.name;
    return marks;
}

namespace {

void drawText(QPainter& painter, const QPointF& topLeft, const QString& text, const QColor& colour)
{
    painter.setPen(colour);
    painter.drawText(topLeft + QPointF(0, QFontMetricsF(painter.font()).ascent()), text);
}

} // namespace

void MapPlotter::plot(const MapPlace& place)
{
    const Marks marks = marksFor(place);
    QPainter painter(&m_map);
    QFont font = MapPlotter::font();
    if (place.position) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawEllipse(marks.dotCentre, DotRadius, DotRadius);
        font.setBold(true);
        painter.setFont(font);
        drawText(painter, marks.shadowTopLeft, marks.numberText, Qt::black);
        drawText(painter, marks.numberTopLeft, marks.numberText, Qt::white);
        font.setBold(false);
    }
    painter.setFont(font);
    drawText(painter, marks.listTopLeft, marks.listText, QColor(ListColour));
    m_list = marks.listTopLeft.toPoint() + QPoint(0, LineStep);
    ++m_number;
}

QString MapPlotter::counterText() const
{
    return QString::number(plotted()) + QStringLiteral(" Steden");
}
