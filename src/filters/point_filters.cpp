// The filters that look at one pixel at a time: grayscale, negative,
// brightness, contrast, the colour swaps and noise.

#include "app/rounding.h"
#include "filters/filter_kernels.h"
#include "filters/random_generator.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr std::uint32_t ChannelMask = 0x00FFFFFFu;

int clampByte(long long v)
{
    return int(std::clamp(v, 0LL, 255LL));
}

// (p + 100) / 100 held in single precision, as the brightness and contrast factors are.
float percentFactor(int p)
{
    return float(p + 100) / 100.0f;
}

// sum \ 3 for a channel sum (0 to 765) as the high half of a 16-bit product: exact over that range, and
// unlike a table lookup it lets the compiler process eight pixels at once.
std::uint32_t grayOfSum(std::uint16_t sum)
{
    return std::uint32_t(sum) * 21846u >> 16;
}

// The gray of a pixel: (b + g + r) \ 3.
std::uint32_t grayOf(std::uint32_t p)
{
    return grayOfSum(std::uint16_t((p & 0xFF) + (p >> 8 & 0xFF) + (p >> 16 & 0xFF)));
}

} // namespace

void fillGrayTable(FilterTabelArray& tabel)
{
    for (int i = 0; i < int(tabel.size()); ++i)
        tabel[i] = i / 3;
}

// The mean gray of the source: the average over all pixels of (b + g + r) \ 3. Each row is summed
// in 32 bits with the gray as a multiply (grayOfSum), so the compiler adds up eight pixels at a time.
VELINOR_VECTORISED int meanGray(const FilterRun& run)
{
    long long sum = 0;
    const int w = run.width;
    for (int y = 0; y < run.height; ++y) {
        const std::uint32_t* row = run.sourcePixels(y);
        std::uint32_t rowSum = 0; // at most 255 x 65536 pixels: a row of the largest picture fits
        for (int x = 0; x < w; ++x)
            rowSum += grayOf(row[x]);
        sum += rowSum;
    }
    const long long count = run.pixelCount();
    return count > 0 ? int(sum / count) : 0;
}

VELINOR_VECTORISED void grayscaleFilter(FilterRun& run)
{
    run.report(0);
    fillGrayTable(run.FilterTabel); // left in the shared table, as the engine promises
    const int w = run.width;        // a local: stores through the rows could otherwise alias the width
    for (int y = 0; y < run.height; ++y) {
        std::uint32_t* row = run.targetPixels(y);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = row[x];
            row[x] = (p & ~ChannelMask) | grayOf(p) * 0x010101u;
        }
        run.rowDone(y + 1);
    }
    run.report(100);
}

VELINOR_VECTORISED void negativeFilter(FilterRun& run)
{
    run.report(0);
    const int w = run.width;
    for (int y = 0; y < run.height; ++y) {
        std::uint32_t* row = run.targetPixels(y);
        for (int x = 0; x < w; ++x)
            row[x] ^= ChannelMask; // 255 - c for blue, green and red
        run.rowDone(y + 1);
    }
    run.report(100);
}

VELINOR_VECTORISED void brightnessFilter(FilterRun& run, int p)
{
    run.report(0);
    const double f = percentFactor(p);
    std::uint8_t lut[256];
    for (int i = 0; i < 256; ++i) {
        run.FilterTabel[i] = clampByte(RondAf(f * i));
        lut[i] = std::uint8_t(run.FilterTabel[i]);
    }
    // When one 16.16 factor gives the whole table (it does for the menu's 0.8 and 1.2), the channels
    // are scaled by multiplying, which the compiler does for several pixels at once; a table lookup
    // per byte it cannot. Any other factor goes through the table.
    const std::uint32_t m = std::uint32_t(std::lround(f * 65536));
    const auto scaled = [m](std::uint32_t c) { return std::min((c * m + 0x8000) >> 16, 255u); };
    bool multiplies = true;
    for (std::uint32_t i = 0; i < 256; ++i)
        multiplies = multiplies && scaled(i) == lut[i];
    const int w = run.width;
    for (int y = 0; y < run.height; ++y) {
        const std::uint32_t* from = run.sourcePixels(y);
        std::uint32_t* to = run.targetPixels(y);
        if (multiplies) {
            for (int x = 0; x < w; ++x) {
                const std::uint32_t p = from[x];
                to[x] =
                    (p & ~ChannelMask) | scaled(p >> 16 & 0xFF) << 16 | scaled(p >> 8 & 0xFF) << 8 | scaled(p & 0xFF);
            }
        } else {
            for (int x = 0; x < w; ++x) {
                const std::uint32_t p = from[x];
                to[x] = (p & ~ChannelMask) | std::uint32_t(lut[p >> 16 & 0xFF]) << 16 |
                        std::uint32_t(lut[p >> 8 & 0xFF]) << 8 | lut[p & 0xFF];
            }
        }
        run.rowDone(y + 1);
    }
    run.report(100);
}

namespace {

// Brings three channel values into 0..255 while keeping the colour's balance:
// what one channel has too much or too little is shared out over the other two.
void balance(int v[3])
{
    for (;;) {
        const auto inRange = [](int c) { return c >= 0 && c <= 255; };
        if (inRange(v[0]) && inRange(v[1]) && inRange(v[2]))
            return;
        if (v[0] <= 0 && v[1] <= 0 && v[2] <= 0) {
            v[0] = v[1] = v[2] = 0;
        } else if (v[0] >= 255 && v[1] >= 255 && v[2] >= 255) {
            v[0] = v[1] = v[2] = 255;
        } else {
            for (int c = 0; c < 3; ++c) {
                int share = 0;
                if (v[c] < 0) {
                    share = v[c] / 2;
                    v[c] = 0;
                } else if (v[c] > 255) {
                    share = (v[c] - 255) / 2;
                    v[c] = 255;
                }
                v[(c + 1) % 3] += share;
                v[(c + 2) % 3] += share;
            }
        }
    }
}

} // namespace

void contrastFilter(FilterRun& run, int p)
{
    run.report(0);
    fillGrayTable(run.FilterTabel);
    const int m = meanGray(run);
    const double f = percentFactor(p);
    for (int i = 0; i < 256; ++i)
        run.FilterTabel[i] = int(RondAf(f * (i - m) + m)); // deliberately not clamped
    run.report(5);

    const int* tabel = run.FilterTabel.data();
    const int w = run.width;
    for (int y = 0; y < run.height; ++y) {
        const std::uint32_t* from = run.sourcePixels(y);
        std::uint32_t* to = run.targetPixels(y);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = from[x];
            int v[3] = {tabel[p & 0xFF], tabel[p >> 8 & 0xFF], tabel[p >> 16 & 0xFF]};
            if ((unsigned(v[0]) | unsigned(v[1]) | unsigned(v[2])) > 255u)
                balance(v);
            to[x] = (p & ~ChannelMask) | std::uint32_t(v[0]) | std::uint32_t(v[1]) << 8 | std::uint32_t(v[2]) << 16;
        }
        run.report(int(qint64(y + 1) * 95 / run.height + 5));
    }
    run.report(100);
}

namespace {

// The new pixel of a colour swap; the shifts pick the source channel (0 blue,
// 8 green, 16 red) for the new red, green and blue.
template <int NewRed, int NewGreen, int NewBlue> void swapRows(FilterRun& run)
{
    const int w = run.width;
    for (int y = 0; y < run.height; ++y) {
        const std::uint32_t* from = run.sourcePixels(y);
        std::uint32_t* to = run.targetPixels(y);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t s = from[x];
            to[x] = (s & ~ChannelMask) | (((s >> NewRed) & 0xFF) << 16) | (((s >> NewGreen) & 0xFF) << 8) |
                    ((s >> NewBlue) & 0xFF);
        }
        run.rowDone(y + 1);
    }
}

constexpr int B = 0, G = 8, R = 16;

} // namespace

void colourSwapFilter(FilterRun& run, int p)
{
    run.report(0);
    switch (p) {
    case 1:
        swapRows<B, R, G>(run);
        break; // RGB --> BRG
    case 2:
        swapRows<G, B, R>(run);
        break; // RGB --> GBR
    case 3:
        swapRows<R, B, G>(run);
        break; // RGB --> RBG
    case 4:
        swapRows<B, G, R>(run);
        break; // RGB --> BGR
    case 5:
        swapRows<G, R, B>(run);
        break; // RGB --> GRB
    default:
        for (int y = 0; y < run.height; ++y)
            run.rowDone(y + 1);
        break;
    }
    run.report(100);
}

void noiseFilter(FilterRun& run, int p)
{
    run.report(0);
    const double span = 2.0 * p + 1.0;
    RandomGenerator random = run.random; // a local copy keeps its state in registers
    const int w = run.width;
    for (int y = 0; y < run.height; ++y) {
        const std::uint8_t* from = run.sourceRow(y);
        std::uint8_t* to = run.targetRow(y);
        for (int i = 0; i < w * 4; i += 4) {
            for (int c = 0; c < 3; ++c)
                to[i + c] = std::uint8_t(clampByte(RondAf(random.fraction() * span - p + from[i + c])));
        }
        run.random = random; // others may draw while the row's progress is reported
        run.rowDone(y + 1);
        random = run.random;
    }
    run.report(100);
}
