#include "geography/map_places.h"

#include "geography/place_file.h"

#include <cmath>

namespace MapPlaces {

namespace {

std::optional<double> coordinate(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    // Far beyond the picture a position can only be a mistake; keep the painter's numbers sane.
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e6)
        return std::nullopt;
    return value;
}

} // namespace

QList<MapPlace> read(const QString& path)
{
    QList<MapPlace> places;
    std::optional<Record::FieldReader> reader = PlaceFile::open(path);
    if (!reader)
        return places;
    while (!reader->atEnd()) {
        // A record cut short at the end of the file reads its missing fields as empty.
        const QString x = reader->next().value_or(Record::Field()).text;
        const QString y = reader->next().value_or(Record::Field()).text;
        const QString name = reader->next().value_or(Record::Field()).text.left(PlaceFile::MaximumNameLength);
        if (x.isEmpty())
            continue;
        MapPlace place;
        const std::optional<double> px = coordinate(x), py = coordinate(y);
        if (px && py)
            place.position = QPointF(*px, *py);
        place.name = name;
        places.append(place);
    }
    return places;
}

} // namespace MapPlaces
