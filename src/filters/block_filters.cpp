// Pixelize (flat p x p blocks) and Defuse (every pixel taken from a random
// neighbour within p / 2).

#include "app/rounding.h"
#include "filters/filter_kernels.h"
#include "filters/random_generator.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::uint32_t ChannelMask = 0x00FFFFFFu;

// The block means of the block row starting at row by, spread over the columns:
// means[x] holds the mean colour of the block that column x belongs to.
void blockRowMeans(const FilterRun& run, int by, int p, int* columnSums, std::uint32_t* means)
{
    const int rowLength = 4 * run.width;
    const int bottom = std::min(by + p, run.height);
    std::fill(columnSums, columnSums + rowLength, 0);
    for (int y = by; y < bottom; ++y) {
        const std::uint8_t* row = run.sourceRow(y);
        for (int i = 0; i < rowLength; ++i)
            columnSums[i] += row[i];
    }
    for (int bx = 0; bx < run.width; bx += p) {
        const int right = std::min(bx + p, run.width);
        std::int64_t sum[3] = {0, 0, 0};
        for (int x = bx; x < right; ++x)
            for (int c = 0; c < 3; ++c)
                sum[c] += columnSums[4 * x + c];
        const std::int64_t count = std::int64_t(right - bx) * (bottom - by);
        const std::uint32_t mean =
            std::uint32_t(sum[0] / count) | std::uint32_t(sum[1] / count) << 8 | std::uint32_t(sum[2] / count) << 16;
        std::fill(means + bx, means + right, mean);
    }
}

} // namespace

void pixelizeFilter(FilterRun& run, int p)
{
    run.report(0);
    if (p < 1) { // no block size to divide by: the picture stays as it is
        run.report(100);
        return;
    }
    int* columnSums = FilterScratch::sized(run.scratch.ints, std::size_t(run.rowBytes()));
    std::uint32_t* means = FilterScratch::sized(run.scratch.pixels, std::size_t(run.width));
    const int w = run.width;
    for (int by = 0; by < run.height; by += p) {
        blockRowMeans(run, by, p, columnSums, means);
        const int bottom = std::min(by + p, run.height);
        for (int y = by; y < bottom; ++y) {
            std::uint32_t* row = run.targetPixels(y);
            for (int x = 0; x < w; ++x)
                row[x] = (row[x] & ~ChannelMask) | means[x];
            run.rowDone(y + 1);
        }
    }
    run.report(100);
}

void defuseFilter(FilterRun& run, int p)
{
    run.report(0);
    const double half = double(RondAf(p / 2.0));
    RandomGenerator random = run.random; // a local copy keeps its state in registers
    const int w = run.width, h = run.height;
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = run.targetPixels(y);
        for (int x = 0; x < w; ++x) {
            int dx = int(RondAf(random.fraction() * p - half));
            int dy = int(RondAf(random.fraction() * p - half));
            if (x + dx < 0 || x + dx >= w)
                dx = 0;
            if (y + dy < 0 || y + dy >= h)
                dy = 0;
            const std::uint32_t from = run.targetPixels(y + dy)[x + dx];
            row[x] = (row[x] & ~ChannelMask) | (from & ChannelMask);
        }
        run.random = random; // others may draw while the row's progress is reported
        run.rowDone(y + 1);
        random = run.random;
    }
    run.report(100);
}
