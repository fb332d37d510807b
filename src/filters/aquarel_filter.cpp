// Aquarel: a Kuwahara filter over a 5 x 5 window. Each of a pixel's four
// 3 x 3 quadrants is the 3 x 3 box centred one pixel diagonally away, so the
// mean and deviation of every box are computed once per row and shared by the
// four pixels that use it.

#include "filters/filter_kernels.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Mean (sum \ 9) and deviation (sum of |v - mean|) of the box centred on every
// byte of source row r, bytes 4 .. 4W - 5.
void boxRow(const FilterRun& run, int r, std::int16_t* mean, std::int16_t* deviation)
{
    const std::uint8_t* up = run.sourceRow(r - 1);
    const std::uint8_t* mid = run.sourceRow(r);
    const std::uint8_t* down = run.sourceRow(r + 1);
    const int end = 4 * (run.width - 1);
    for (int i = 4; i < end; ++i) {
        const int v[9] = {up[i - 4],  up[i],       up[i + 4], mid[i - 4], mid[i],
                          mid[i + 4], down[i - 4], down[i],   down[i + 4]};
        int sum = 0;
        for (int j = 0; j < 9; ++j)
            sum += v[j];
        const int m = sum / 9;
        int dev = 0;
        for (int j = 0; j < 9; ++j)
            dev += std::abs(v[j] - m);
        mean[i] = std::int16_t(m);
        deviation[i] = std::int16_t(dev);
    }
}

} // namespace

void aquarelFilter(FilterRun& run)
{
    run.report(0);
    if (run.width < 5 || run.height < 5) {
        run.report(100);
        return;
    }
    // Three rows of box means and deviations, used in turn for box rows y - 1, y and y + 1.
    const int rowLength = 4 * run.width;
    std::int16_t* boxes = FilterScratch::sized(run.scratch.shorts, std::size_t(6 * rowLength));
    const auto mean = [&](int r) { return boxes + (r % 3) * rowLength; };
    const auto deviation = [&](int r) { return boxes + (3 + r % 3) * rowLength; };
    boxRow(run, 1, mean(1), deviation(1));
    boxRow(run, 2, mean(2), deviation(2));

    const int end = 4 * (run.width - 2);
    for (int y = 2; y < run.height - 2; ++y) {
        boxRow(run, y + 1, mean(y + 1), deviation(y + 1));
        const std::int16_t* meanAbove = mean(y - 1);
        const std::int16_t* meanBelow = mean(y + 1);
        const std::int16_t* devAbove = deviation(y - 1);
        const std::int16_t* devBelow = deviation(y + 1);
        std::uint8_t* out = run.targetRow(y);
        for (int i = 8; i < end; ++i) {
            // Quadrants 1..4: up-left, up-right, down-left, down-right; a tie keeps the lower number.
            int best = meanAbove[i - 4], bestDev = devAbove[i - 4];
            if (devAbove[i + 4] < bestDev) {
                best = meanAbove[i + 4];
                bestDev = devAbove[i + 4];
            }
            if (devBelow[i - 4] < bestDev) {
                best = meanBelow[i - 4];
                bestDev = devBelow[i - 4];
            }
            if (devBelow[i + 4] < bestDev) {
                best = meanBelow[i + 4];
            }
            out[i] = std::uint8_t(best);
        }
        const std::uint8_t* source = run.sourceRow(y);
        for (int i = 8 + FilterRun::Fourth; i < end; i += 4)
            out[i] = source[i];
        run.rowDone(y + 1);
    }
    run.report(100);
}
