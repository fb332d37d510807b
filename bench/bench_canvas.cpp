// The canvas under the mouse: one left-button move with each drawing tool
// (the press opens the stroke once, outside the timing), a whole stroke from
// press to release with its undo step, and a flood fill of the whole canvas.

#include "app/application_state.h"
#include "canvas/canvas_document.h"
#include "canvas/flood_fill.h"
#include "canvas/tools/tool_box.h"

#include <benchmark/benchmark.h>

namespace {

void mouseMove(benchmark::State& run)
{
    ApplicationState state;
    CanvasDocument document;
    ToolBox tools(state, document);
    tools.setFotoLaden([](double, double, double, double) {});
    state.setGereedschap(ToolMode(run.range(0)));
    tools.mouseDown(Qt::LeftButton, QPointF(100, 60));
    int i = 0;
    for (auto _ : run) {
        // Back and forth across the canvas, so lines and bands have length.
        const double x = 120 + (i * 37) % 360;
        const double y = 70 + (i * 53) % 180;
        tools.mouseMove(Qt::LeftButton, QPointF(x, y));
        ++i;
    }
    tools.mouseUp(Qt::LeftButton, QPointF(100, 60));
}
BENCHMARK(mouseMove)->DenseRange(1, 12)->ArgName("tool");

void strokeWithUndoStep(benchmark::State& run)
{
    ApplicationState state;
    CanvasDocument document;
    ToolBox tools(state, document);
    state.setGereedschap(ToolMode::FilledEllipse);
    for (auto _ : run) {
        tools.mouseDown(Qt::LeftButton, QPointF(20, 20));
        tools.mouseMove(Qt::LeftButton, QPointF(300, 200));
        tools.mouseUp(Qt::LeftButton, QPointF(480, 240));
    }
}
BENCHMARK(strokeWithUndoStep);

void floodFillWholeCanvas(benchmark::State& run)
{
    QImage canvas(500, 260, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    bool red = false;
    for (auto _ : run) {
        red = !red;
        benchmark::DoNotOptimize(
            fillConnectedArea(canvas, QPoint(250, 130), red ? qRgb(255, 0, 0) : qRgb(255, 255, 255)));
    }
}
BENCHMARK(floodFillWholeCanvas);

} // namespace

BENCHMARK_MAIN();
