#pragma once

// Where a place on the earth lies on the map picture of the country: a plain
// equirectangular projection true to scale at the middle of the country,
// placed so that the whole country fits left of the list of places.

#include <QPointF>

namespace MapProjection {

constexpr double ReferenceLatitude = 52.15; // degrees north, where east-west distances are true
constexpr double PixelsPerDegree = 146.0;   // pixels per degree of latitude
constexpr double WestLongitude = 3.30;      // the longitude at x = OriginX
constexpr double NorthLatitude = 53.60;     // the latitude at y = OriginY
constexpr double OriginX = 14.0;
constexpr double OriginY = 8.0;

// Pixel position on the map picture (x to the right, y downwards) of a point in degrees.
QPointF toMap(double latitude, double longitude);

} // namespace MapProjection
