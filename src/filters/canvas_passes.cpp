#include "filters/canvas_passes.h"

#include "app/colour.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The passes walk column by column and report after each column. They work in
// strips of columns, row by row within a strip, which reaches the same pixels
// far faster than a column at a time, and report each strip's columns after it.
constexpr int StripWidth = 32;

void ensure32(QImage& canvas)
{
    if (!canvas.isNull() && canvas.depth() != 32)
        canvas = canvas.convertToFormat(QImage::Format_RGB32);
}

QRgb* line(QImage& canvas, int y)
{
    return reinterpret_cast<QRgb*>(canvas.scanLine(y));
}

// Runs work(x0, x1) for strips of the columns first, first + step, ... up to last,
// then reports x x 100 \ divisor for every column of the strip; finally 0.
template <typename Work>
void byColumns(int first, int last, int step, int divisor, const ProgressCallback& bar, Work work)
{
    divisor = std::max(divisor, 1);
    for (int x0 = first; x0 <= last; x0 += StripWidth) {
        const int x1 = std::min(x0 + StripWidth, last + 1);
        work(x0, x1);
        if (bar)
            for (int x = x0; x < x1; x += step)
                bar(x * 100 / divisor);
    }
    if (bar)
        bar(0);
}

} // namespace

void FlipHorizontaal(QImage& canvas)
{
    ensure32(canvas);
    for (int y = 0; y < canvas.height(); ++y) {
        QRgb* row = line(canvas, y);
        std::reverse(row, row + canvas.width());
    }
}

void FlipVertikaal(QImage& canvas)
{
    ensure32(canvas);
    const qsizetype rowBytes = qsizetype(canvas.width()) * 4;
    for (int top = 0, bottom = canvas.height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(canvas.scanLine(top), canvas.scanLine(top) + rowBytes, canvas.scanLine(bottom));
}

void FlipRechts(QImage& canvas, const ProgressCallback& bar)
{
    ensure32(canvas);
    const int w = canvas.width();
    byColumns(0, w / 2, 1, w / 2 - 1, bar, [&](int x0, int x1) {
        const int from = std::max(x0, 1); // column 0 would go to column W, outside the picture
        for (int y = 0; y < canvas.height(); ++y) {
            QRgb* row = line(canvas, y);
            for (int x = from; x < x1; ++x)
                row[w - x] = row[x];
        }
    });
}

void FlipBoven(QImage& canvas, const ProgressCallback& bar)
{
    ensure32(canvas);
    const int w = canvas.width(), h = canvas.height();
    byColumns(0, w - 1, 1, w - 1, bar, [&](int x0, int x1) {
        // Row 0 would go to row H, outside the picture; the middle row of an even height maps onto itself.
        for (int y = 1; y < h - y; ++y)
            std::memcpy(line(canvas, h - y) + x0, line(canvas, y) + x0, std::size_t(x1 - x0) * 4);
    });
}

namespace {

QRgb sepia(QRgb c)
{
    const int r = qRed(c);
    int g = std::abs(qGreen(c) - 40);
    if (g > r)
        g = 0;
    int b = std::abs(qBlue(c) - 80);
    if (b > g)
        b = 0;
    return qRgb(r, g, b);
}

} // namespace

void SepiaKleuren(QImage& canvas, const ProgressCallback& bar)
{
    ensure32(canvas);
    byColumns(0, canvas.width() - 1, 1, canvas.width() - 1, bar, [&](int x0, int x1) {
        for (int y = 0; y < canvas.height(); ++y) {
            QRgb* row = line(canvas, y);
            for (int x = x0; x < x1; ++x)
                row[x] = sepia(row[x]);
        }
    });
}

void TransparantRaster(QImage& canvas, const ProgressCallback& bar, int red, int green, int blue)
{
    ensure32(canvas);
    const QRgb colour = toQColor(colourValue(red, green, blue)).rgb();
    const int h = canvas.height();
    // x = 0, 2, ..., W - 2; on every even row y the pixels (x, y) and (x + 1, y + 1).
    byColumns(0, canvas.width() - 2, 2, canvas.width() - 1, bar, [&](int x0, int x1) {
        for (int y = 0; y < h; y += 2) {
            QRgb* row = line(canvas, y);
            QRgb* next = y + 1 < h ? line(canvas, y + 1) : nullptr;
            for (int x = x0; x < x1; x += 2) {
                row[x] = colour;
                if (next)
                    next[x + 1] = colour;
            }
        }
    });
}

void drawWhiteBorder(QImage& canvas, int n)
{
    ensure32(canvas);
    const int w = canvas.width(), h = canvas.height();
    const QRgb white = qRgb(255, 255, 255);
    for (int i = 0; i <= n; ++i) {
        const int left = std::min(i, w - 1 - i), right = std::max(i, w - 1 - i);
        const int top = std::min(i, h - 1 - i), bottom = std::max(i, h - 1 - i);
        if (left < 0 || top < 0)
            break; // the outlines have passed the middle: everything is white already
        std::fill(line(canvas, top) + left, line(canvas, top) + right + 1, white);
        std::fill(line(canvas, bottom) + left, line(canvas, bottom) + right + 1, white);
        for (int y = top; y <= bottom; ++y) {
            line(canvas, y)[left] = white;
            line(canvas, y)[right] = white;
        }
    }
}
