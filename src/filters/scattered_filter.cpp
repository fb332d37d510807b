// Scattered: error diffusion to pure black and white with the Stucki weights,
// the carried error scaled by 10 / p and the threshold at the mean gray.

#include "filters/filter_kernels.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr int Positions = 12;
constexpr std::array<int, Positions> Weights{8, 4, 2, 4, 8, 4, 2, 1, 2, 4, 2, 1};
constexpr int MaxError = 255;
constexpr int Errors = 2 * MaxError + 1;
// The error rows carry two spare entries at each end, so shares aimed beyond
// the picture's sides land there and are never read.
constexpr int Margin = 2;

// Share of error e for each position k: (e x w_k) \ 42, at [(e + 255) x 12 + k].
void fillShares(int* shares)
{
    for (int e = -MaxError; e <= MaxError; ++e)
        for (int k = 0; k < Positions; ++k)
            shares[(e + MaxError) * Positions + k] = e * Weights[k] / 42;
}

// Adds the shares of one pixel's error: k = 1, 2 on this row, 3..7 on the next, 8..12 on the one after.
// The shares for rows below the picture go into rows that are never read.
inline void spread(const int* share, int* row1, int* row2, int* row3, int x)
{
    row1[x + 1] += share[0];
    row1[x + 2] += share[1];
    for (int k = 0; k < 5; ++k) {
        row2[x - 2 + k] += share[2 + k];
        row3[x - 2 + k] += share[7 + k];
    }
}

} // namespace

void scatteredFilter(FilterRun& run, int p)
{
    if (p == 0) { // the carried error is scaled by 10 / p: without p the picture stays
        run.report(100);
        return;
    }
    const int rowLength = run.width + 2 * Margin;
    int* shares = FilterScratch::sized(run.scratch.ints, std::size_t(Errors * Positions + Errors + 3 * rowLength));
    int* carried = shares + Errors * Positions; // (error x 10) \ p at [error + 255]
    int* rows[3] = {carried + Errors, carried + Errors + rowLength, carried + Errors + 2 * rowLength};
    fillShares(shares);
    for (int e = -MaxError; e <= MaxError; ++e)
        carried[e + MaxError] = e * 10 / p;
    std::fill(rows[0], rows[0] + 3 * rowLength, 0);
    fillGrayTable(run.FilterTabel);
    run.report(3);
    const int t = meanGray(run);
    run.report(10);

    const int* tabel = run.FilterTabel.data();
    const int w = run.width;
    for (int y = 0; y < run.height; ++y) {
        const std::uint8_t* from = run.sourceRow(y);
        std::uint32_t* to = run.targetPixels(y);
        int* row1 = rows[0] + Margin;
        for (int x = 0; x < w; ++x) {
            const int gray = tabel[from[4 * x] + from[4 * x + 1] + from[4 * x + 2]];
            const int v = std::clamp(carried[row1[x] + MaxError] + gray, 0, 255);
            const int out = v >= t ? 255 : 0;
            to[x] = (to[x] & 0xFF000000u) | (out ? 0x00FFFFFFu : 0u);
            spread(shares + (v - out + MaxError) * Positions, row1, rows[1] + Margin, rows[2] + Margin, x);
        }
        std::rotate(rows, rows + 1, rows + 3);
        std::fill(rows[2], rows[2] + rowLength, 0);
        run.report(int(qint64(y + 1) * 90 / run.height + 10));
    }
    run.report(100);
}
