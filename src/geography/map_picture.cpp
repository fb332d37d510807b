#include "geography/map_picture.h"

#include "geography/map_outline.h"
#include "geography/map_projection.h"

#include <QPainter>
#include <QPolygonF>

namespace MapPicture {

namespace {

QPolygonF projected(std::span<const float> lonLat)
{
    QPolygonF polygon;
    polygon.reserve(qsizetype(lonLat.size() / 2));
    for (size_t i = 0; i + 1 < lonLat.size(); i += 2)
        polygon << MapProjection::toMap(lonLat[i + 1], lonLat[i]);
    return polygon;
}

// The two great dams are not in the outline, but nobody recognises the IJsselmeer without them.
void drawDams(QPainter& painter)
{
    const struct
    {
        double lat1, lon1, lat2, lon2;
    } dams[] = {
        {52.934, 5.040, 53.074, 5.335}, // Afsluitdijk, Den Oever - Kornwerderzand
        {53.074, 5.335, 53.097, 5.385}, // on to Zurich
        {52.515, 5.435, 52.645, 5.240}, // Houtribdijk, Lelystad - Enkhuizen
    };
    painter.setPen(QPen(QColor(Netherlands), 2.0));
    for (const auto& dam : dams)
        painter.drawLine(MapProjection::toMap(dam.lat1, dam.lon1), MapProjection::toMap(dam.lat2, dam.lon2));
}

} // namespace

QImage draw()
{
    QImage image(Size, QImage::Format_RGB32);
    image.fill(Sea);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const MapOutline::Ring& ring : MapOutline::rings()) {
        const bool home = ring.land == MapOutline::Land::Netherlands;
        painter.setPen(QPen(QColor(Coast), home ? 1.0 : 0.8));
        painter.setBrush(QColor(home ? Netherlands : Neighbour));
        painter.drawPolygon(projected(ring.lonLat));
    }
    drawDams(painter);
    return image;
}

} // namespace MapPicture
