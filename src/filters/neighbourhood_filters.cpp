// The three-by-three filters. They visit the interior only, so the outermost
// rows and columns keep their values. Sharpen, Edge and Blur run in place in
// raster order (the neighbours above and to the left are already filtered when
// a pixel is computed); Contour and Reliëf read the untouched source.

#include "filters/filter_engine.h"
#include "filters/filter_kernels.h"

#include <algorithm>
#include <cstdint>

namespace {

template <typename T> std::uint8_t clampByte(T v)
{
    return std::uint8_t(std::clamp<T>(v, 0, 255));
}

// Clamped quotients n \ d for every numerator the running filters can produce,
// looked up instead of divided per pixel (the divisor is a run-time parameter).
// Numerators arrive biased by -lowest, so they index the table directly.
struct QuotientTable
{
    const std::uint8_t* entries;
    int bias;
    std::uint8_t operator()(int biased) const { return entries[biased]; }
};

QuotientTable quotients(FilterScratch& scratch, int lowest, int highest, int d)
{
    std::uint8_t* entries = FilterScratch::sized(scratch.bytes, std::size_t(highest - lowest + 1));
    if (d < 0) {
        for (int n = lowest; n <= highest; ++n)
            entries[n - lowest] = clampByte(n / d);
        return {entries, -lowest};
    }
    // With a positive divisor every negative numerator gives 0, and from 0 on the quotient steps up by one
    // at every multiple of d: no division per entry, which for a table of ten thousand entries costs as
    // much as filtering a small picture.
    std::fill(entries, entries - lowest, std::uint8_t(0));
    for (int n = 0, q = 0, rest = 0; n <= highest; ++n) {
        entries[n - lowest] = std::uint8_t(std::min(q, 255));
        if (++rest == d) {
            rest = 0;
            ++q;
        }
    }
    return {entries, -lowest};
}

struct DirectQuotient
{
    int d;
    int bias = 0;
    std::uint8_t operator()(int n) const { return clampByte(n / d); }
};

// Blur's quotient: its numerators are never negative and its divisor is 8, so a shift does what the
// table lookup would, a step shorter on the chain from one pixel to the next.
struct ShiftQuotient
{
    int shift;
    int bias = 0;
    std::uint8_t operator()(int n) const { return std::uint8_t(std::min(n >> shift, 255)); }
};

// One row of a running filter: the new value of a channel is quotient(a x C - b x S8).
// Only the left neighbour's new value is unknown before the row starts, so the rest
// of each numerator is prepared for the whole row first (a loop the compiler
// vectorises); what remains per pixel is a short chain per channel.
template <typename Quotient>
void runningRow(std::uint8_t* cur, qsizetype stride, int width, int a, int b, int* prepared, Quotient quotient)
{
    const std::uint8_t* up = cur - stride;
    const std::uint8_t* down = cur + stride;
    const int end = 4 * (width - 1);
    const int bias = quotient.bias;
    for (int i = 4; i < end; ++i) {
        const int rest = up[i - 4] + up[i] + up[i + 4] + cur[i + 4] + down[i - 4] + down[i] + down[i + 4];
        prepared[i] = a * cur[i] - b * rest + bias;
    }
    int left[3] = {cur[0], cur[1], cur[2]};
    for (int i = 4; i < end; i += 4) {
        for (int c = 0; c < 3; ++c) {
            const std::uint8_t n = quotient(prepared[i + c] - b * left[c]);
            cur[i + c] = n;
            left[c] = n;
        }
    }
}

// Runs quotient((a x C - b x S8) \ d) in place over the interior.
void runningFilter(FilterRun& run, int a, int b, int d)
{
    run.report(0);
    if (d == 0) { // no such filter is on the menus; leave the picture as it is
        run.report(100);
        return;
    }
    const int lowest = std::min(0, 255 * a) + std::min(0, -2040 * b);
    const int highest = std::max(0, 255 * a) + std::max(0, -2040 * b);
    const bool shifts = lowest == 0 && d == 8;
    const bool tabled = !shifts && qint64(highest) - lowest < (1 << 22);
    const QuotientTable table = tabled ? quotients(run.scratch, lowest, highest, d) : QuotientTable{nullptr, 0};
    int* prepared = FilterScratch::sized(run.scratch.ints, std::size_t(run.rowBytes()));
    const int w = run.width;
    const int lastRow = w >= 3 ? run.height - 1 : 0; // a picture without interior columns has no interior
    for (int y = 1; y < lastRow; ++y) {
        if (shifts)
            runningRow(run.targetRow(y), run.rowBytes(), w, a, b, prepared, ShiftQuotient{3});
        else if (tabled)
            runningRow(run.targetRow(y), run.rowBytes(), w, a, b, prepared, table);
        else
            runningRow(run.targetRow(y), run.rowBytes(), w, a, b, prepared, DirectQuotient{d});
        run.rowDone(y + 1);
    }
    run.report(100);
}

// Applies value(up, mid, down, i) to every byte of the interior of the source
// and writes the clamped result to FilterBeeld; the fourth bytes stay.
template <typename Value> void sourceFilter(FilterRun& run, Value value)
{
    run.report(0);
    const int end = 4 * (run.width - 1);
    for (int y = 1; y < run.height - 1; ++y) {
        const std::uint8_t* up = run.sourceRow(y - 1);
        const std::uint8_t* mid = run.sourceRow(y);
        const std::uint8_t* down = run.sourceRow(y + 1);
        std::uint8_t* out = run.targetRow(y);
        for (int i = 4; i < end; ++i)
            out[i] = clampByte(value(up, mid, down, i));
        for (int i = 4 + FilterRun::Fourth; i < end; i += 4)
            out[i] = mid[i];
        run.rowDone(y + 1);
    }
    run.report(100);
}

} // namespace

void sharpenFilter(FilterRun& run, int p)
{
    runningFilter(run, p + 24, 2, p + 8);
}

void edgeFilter(FilterRun& run, int p)
{
    runningFilter(run, p + 9, 1, p + 1);
}

void blurFilter(FilterRun& run)
{
    runningFilter(run, 0, -1, 8);
}

void contourFilter(FilterRun& run, int colour)
{
    int r = 0, g = 0, b = 0;
    SplitsKleur(colour, r, g, b);
    // The colour's component for each byte of a row: blue, green, red, and 0 for the fourth.
    const int rowLength = 4 * run.width;
    std::int16_t* k = FilterScratch::sized(run.scratch.shorts, std::size_t(rowLength));
    for (int i = 0; i < rowLength; i += 4) {
        k[i] = std::int16_t(b);
        k[i + 1] = std::int16_t(g);
        k[i + 2] = std::int16_t(r);
        k[i + 3] = 0;
    }
    // Sums of at most nine bytes and the component fit in 16 bits, which doubles the vector lanes.
    sourceFilter(run, [k](const std::uint8_t* up, const std::uint8_t* mid, const std::uint8_t* down, int i) {
        const auto s8 =
            std::int16_t(up[i - 4] + up[i] + up[i + 4] + mid[i - 4] + mid[i + 4] + down[i - 4] + down[i] + down[i + 4]);
        return std::int16_t(8 * mid[i] - s8 + k[i]);
    });
}

void reliefFilter(FilterRun& run)
{
    sourceFilter(run, [](const std::uint8_t* up, const std::uint8_t* mid, const std::uint8_t* down, int i) {
        const int v = mid[i] + 2 * up[i - 4] + mid[i - 4] + up[i] - down[i] - mid[i + 4] - 2 * down[i + 4];
        return v / 2 + 50;
    });
}
