// The perforation and barcode commands on the 500 x 260 canvas (without the
// pauses between the holes of Perfin.cor).

#include "perforation/barcode.h"
#include "perforation/perforation.h"

#include <benchmark/benchmark.h>

#include <QImage>

namespace {

QImage& canvas()
{
    static QImage image = [] {
        QImage picture(500, 260, QImage::Format_RGB32);
        picture.fill(Qt::white);
        return picture;
    }();
    return image;
}

void BM_PerforeerVel(benchmark::State& state)
{
    for (auto _ : state) {
        Perfins::PerforeerVel(canvas(), 0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PerforeerVel)->Unit(benchmark::kMicrosecond);

void BM_PerforeerBlok(benchmark::State& state)
{
    for (auto _ : state) {
        Perfins::PerforeerBlok(canvas(), 255);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PerforeerBlok)->Unit(benchmark::kMicrosecond);

void BM_Barcode(benchmark::State& state)
{
    const auto place = static_cast<Barcode::Position>(state.range(0));
    for (auto _ : state) {
        Barcode::placeBarcode(canvas(), place);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Barcode)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
