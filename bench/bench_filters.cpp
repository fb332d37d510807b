// Every filter kernel and canvas pass on the canvas (500 x 260) and on a large
// picture (4000 x 2080), without the window's progress handling. Buffers are
// made once per benchmark and reused, as the engine reuses its own.

#include "filter_bench_support.h"
#include "filters/canvas_passes.h"
#include "filters/filter_engine.h"
#include "filters/filter_kernels.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <functional>

namespace {

void runKernel(benchmark::State& state, const std::function<void(FilterRun&)>& kernel)
{
    KernelBuffers k(int(state.range(0)), int(state.range(1)));
    FilterRun run = k.run();
    kernel(run); // warm the scratch buffers
    for (auto _ : state) {
        kernel(run);
        benchmark::DoNotOptimize(k.after.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * k.w * k.h);
}

void runPass(benchmark::State& state, const std::function<void(QImage&)>& pass)
{
    QImage image = pattern(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        pass(image);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * image.width() * image.height());
}

void sizes(benchmark::internal::Benchmark* b)
{
    b->Args({500, 260})->Args({4000, 2080})->Unit(benchmark::kMillisecond);
}

} // namespace

#define KERNEL(name, call)                                                                                             \
    void name(benchmark::State& state)                                                                                 \
    {                                                                                                                  \
        runKernel(state, [](FilterRun& run) { call; });                                                                \
    }                                                                                                                  \
    BENCHMARK(name)->Apply(sizes)
#define PASS(name, call)                                                                                               \
    void name(benchmark::State& state)                                                                                 \
    {                                                                                                                  \
        runPass(state, [](QImage& image) { call; });                                                                   \
    }                                                                                                                  \
    BENCHMARK(name)->Apply(sizes)

KERNEL(Grayscale, grayscaleFilter(run));
KERNEL(Negative, negativeFilter(run));
KERNEL(Light, brightnessFilter(run, 20));
KERNEL(ContrastPositive, contrastFilter(run, 10));
KERNEL(SwapBrg, colourSwapFilter(run, 1));
KERNEL(Noise, noiseFilter(run, 50));
KERNEL(Sharpen, sharpenFilter(run, 5));
KERNEL(Edge, edgeFilter(run, 1));
KERNEL(Blur, blurFilter(run));
KERNEL(Contour, contourFilter(run, 0xFFFFFF));
KERNEL(Relief, reliefFilter(run));
KERNEL(Pixelize, pixelizeFilter(run, 3));
KERNEL(Defuse, defuseFilter(run, 6));
KERNEL(Scattered, scatteredFilter(run, 15));
KERNEL(Aquarel, aquarelFilter(run));

PASS(FlipHorizontaal, FlipHorizontaal(image));
PASS(FlipVertikaal, FlipVertikaal(image));
PASS(FlipRechts, FlipRechts(image, {}));
PASS(FlipBoven, FlipBoven(image, {}));
PASS(SepiaTint, SepiaKleuren(image, {}));
PASS(Transparant, TransparantRaster(image, {}, 0, 0, 0));
PASS(Border10, drawWhiteBorder(image, 10));

// The engine around a kernel: copying the picture in and out of its buffers.
void EngineGrayscale(benchmark::State& state)
{
    QImage image = pattern(int(state.range(0)), int(state.range(1)));
    FilterEngine engine(1);
    engine.PasFilterToe(FilterKind::Grayscale, image, 0, {}); // the engine's buffers, touched once
    for (auto _ : state) {
        engine.PasFilterToe(FilterKind::Grayscale, image, 0, {});
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * image.width() * image.height());
}
BENCHMARK(EngineGrayscale)->Apply(sizes);

BENCHMARK_MAIN();
