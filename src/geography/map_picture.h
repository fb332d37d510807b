#pragma once

// The map of the country on which the places of the series are plotted:
// 620 x 475 pixels, the Netherlands in green on a dark sea with its
// neighbours in slate, drawn from the outlines in map_outline through the
// map projection. The right part is open water and land in dark tones, so
// the light list of places stays readable there.

#include <QImage>
#include <QRgb>
#include <QSize>

namespace MapPicture {

constexpr QSize Size{620, 475};
constexpr QRgb Sea = qRgb(30, 66, 118);
constexpr QRgb Netherlands = qRgb(92, 146, 78);
constexpr QRgb Neighbour = qRgb(70, 78, 90);
constexpr QRgb Coast = qRgb(18, 34, 24);

QImage draw();

} // namespace MapPicture
