#pragma once

// The places plotted on the map, from Data\coordinaten.cor: records of three
// fields X, Y and name, X and Y pixel positions on the map picture. A record
// whose X is empty is skipped and not counted; a missing or unreadable file
// gives no places.

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

struct MapPlace
{
    // Where the dot goes; nothing when X or Y is not a number, so the place is listed without a dot.
    std::optional<QPointF> position;
    QString name;
};

namespace MapPlaces {

inline const QString FileName = QStringLiteral("Data/coordinaten.cor");

QList<MapPlace> read(const QString& path);

} // namespace MapPlaces
