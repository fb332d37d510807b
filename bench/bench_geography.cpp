// The place files as the windows read them: the 1,437 names of the list
// window with one letter picked, and the town coordinates of the map.
// Each opening reads the file anew, as the windows do.

#include "geography/map_places.h"
#include "geography/place_names.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace {

const QString DataFolder = QStringLiteral(VELINOR_DATA_DIR "/Data/");

void BM_PlaceNamesForOneLetter(benchmark::State& state)
{
    const QString path = DataFolder + QStringLiteral("plaatsnamen.cat");
    if (PlaceNames::read(path).size() < 1000)
        state.SkipWithError("the sample place names are missing");
    for (auto _ : state)
        benchmark::DoNotOptimize(PlaceNames::forLetter(path, QStringLiteral("H")));
}
BENCHMARK(BM_PlaceNamesForOneLetter)->Unit(benchmark::kMicrosecond);

void BM_MapCoordinates(benchmark::State& state)
{
    const QString path = DataFolder + QStringLiteral("coordinaten.cor");
    if (MapPlaces::read(path).isEmpty())
        state.SkipWithError("the sample coordinates are missing");
    for (auto _ : state)
        benchmark::DoNotOptimize(MapPlaces::read(path));
}
BENCHMARK(BM_MapCoordinates)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
