// Pixelize (flat p x p blocks) and Defuse (every pixel taken from a random
// neighbour within p / 2).

#include "app/rounding.h"
#include "filters/filter_kernels.h"
#include "filters/random_generator.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::uint32_t ChannelMask = 0x00FFFFFFu;

// The mean colour of the block with top-left corner (bx, by), cut off by the picture.
std::uint32_t blockMean(const FilterRun& run, int bx, int by, int p)
{
    const int right = std::min(bx + p, run.width);
    const int bottom = std::min(by + p, run.height);
    std::int64_t sum[3] = {0, 0, 0};
    for (int y = by; y < bottom; ++y) {
        const std::uint8_t* row = run.bronRow(y);
        for (int x = bx; x < right; ++x) {
            sum[0] += row[4 * x];
            sum[1] += row[4 * x + 1];
            sum[2] += row[4 * x + 2];
        }
    }
    const std::int64_t count = std::int64_t(right - bx) * (bottom - by);
    return std::uint32_t(sum[0] / count) | std::uint32_t(sum[1] / count) << 8 | std::uint32_t(sum[2] / count) << 16;
}

} // namespace

void pixelizeFilter(FilterRun& run, int p)
{
    run.report(0);
    if (p < 1) { // no block size to divide by: the picture stays as it is
        run.report(100);
        return;
    }
    for (int by = 0; by < run.height; by += p) {
        const int bottom = std::min(by + p, run.height);
        for (int bx = 0; bx < run.width; bx += p) {
            const std::uint32_t mean = blockMean(run, bx, by, p);
            const int right = std::min(bx + p, run.width);
            for (int y = by; y < bottom; ++y) {
                std::uint32_t* row = run.beeldPixels(y);
                for (int x = bx; x < right; ++x)
                    row[x] = (row[x] & ~ChannelMask) | mean;
            }
        }
        for (int y = by; y < bottom; ++y)
            run.rowDone(y + 1);
    }
    run.report(100);
}

void defuseFilter(FilterRun& run, int p)
{
    run.report(0);
    const double half = double(RondAf(p / 2.0));
    RandomGenerator& random = run.random;
    for (int y = 0; y < run.height; ++y) {
        std::uint32_t* row = run.beeldPixels(y);
        for (int x = 0; x < run.width; ++x) {
            int dx = int(RondAf(random.fraction() * p - half));
            int dy = int(RondAf(random.fraction() * p - half));
            if (x + dx < 0 || x + dx >= run.width)
                dx = 0;
            if (y + dy < 0 || y + dy >= run.height)
                dy = 0;
            const std::uint32_t from = run.beeldPixels(y + dy)[x + dx];
            row[x] = (row[x] & ~ChannelMask) | (from & ChannelMask);
        }
        run.rowDone(y + 1);
    }
    run.report(100);
}
