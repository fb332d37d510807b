#include "geography/map_projection.h"

#include <cmath>
#include <numbers>

namespace MapProjection {

QPointF toMap(double latitude, double longitude)
{
    const double eastWest = std::cos(ReferenceLatitude * std::numbers::pi / 180.0);
    return {OriginX + (longitude - WestLongitude) * PixelsPerDegree * eastWest,
            OriginY + (NorthLatitude - latitude) * PixelsPerDegree};
}

} // namespace MapProjection
