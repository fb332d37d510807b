// Data/coordinaten.cor read and plotted on the map, as the map window does.

#include "fuzz_support.h"
#include "geography/map_places.h"
#include "geography/map_plotter.h"

#include <QImage>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = Fuzz::put(MapPlaces::FileName, data, size);
    static QImage map(620, 475, QImage::Format_RGB32);
    MapPlotter plotter(map);
    plotter.start();
    for (const MapPlace& place : MapPlaces::read(path))
        plotter.plot(place);
    plotter.counterText();
    return 0;
}
