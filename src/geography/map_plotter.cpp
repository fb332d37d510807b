#include "geography/map_plotter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

MapPlotter::MapPlotter(QImage& map)
    : m_map(map)
{}

QFont MapPlotter::font()
{
    // 8 points on the 96-dpi screen the map was laid out for.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    // Crisp letters: the light list and the white numbers stay sharp on the dark map. Fully hinted, so
    // each letter stands where its sharpened neighbours leave room ("Alkm aar" otherwise).
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void MapPlotter::start()
{
    m_number = 1;
    m_list = FirstColumn;
    m_numbers.clear();
}

namespace {

QFont numberFont()
{
    QFont font = MapPlotter::font();
    font.setBold(true);
    return font;
}

// The box a number covers with its shadow below and left of it, from the shadow's top-left corner.
QRectF numberBox(QPointF shadowTopLeft, const QString& text)
{
    const QFontMetricsF metrics(numberFont());
    return QRectF(shadowTopLeft + QPointF(0, -1), QSizeF(metrics.horizontalAdvance(text) + 1, metrics.height() + 1));
}

} // namespace

MapPlotter::Marks MapPlotter::marksFor(const MapPlace& place) const
{
    Marks marks;
    const QPointF at = place.position.value_or(QPointF());
    marks.dotCentre = at;
    marks.numberText = QLatin1Char(' ') + QString::number(m_number);
    // Up and to the right, else the first free one of up-left, down-right and down-left.
    const double width = numberBox({}, marks.numberText).width();
    const QPointF corners[] = {{3, -7}, {-4 - width, -7}, {3, 5}, {-4 - width, 5}};
    marks.shadowTopLeft = at + corners[0];
    for (const QPointF& corner : corners) {
        const QRectF box = numberBox(at + corner, marks.numberText);
        const auto overlaps = [&box](const QRectF& other) { return other.intersects(box); };
        if (std::none_of(m_numbers.begin(), m_numbers.end(), overlaps)) {
            marks.shadowTopLeft = at + corner;
            break;
        }
    }
    marks.numberTopLeft = marks.shadowTopLeft + QPointF(1, -1);
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
        m_numbers << numberBox(marks.shadowTopLeft, marks.numberText);
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
