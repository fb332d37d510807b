#pragma once

// The pictures and buffers the filter benchmarks share: a pattern in which every
// channel varies, and the engine's buffers around it, made once and reused as
// the engine reuses its own.

#include "filters/filter_run.h"
#include "filters/random_generator.h"

#include <QImage>

#include <cstring>
#include <vector>

inline QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb((x * 37 + y * 11) & 255, (x * 5 + y * 71) & 255, ((x * 13) ^ (y * 29)) & 255);
    }
    return image;
}

struct KernelBuffers
{
    explicit KernelBuffers(int width, int height)
        : w(width)
        , h(height)
    {
        const QImage source = pattern(w, h);
        before.resize(std::size_t(w) * h);
        for (int y = 0; y < h; ++y)
            std::memcpy(before.data() + std::size_t(y) * w, source.constScanLine(y), std::size_t(w) * 4);
        after = before;
    }

    FilterRun run() { return {w, h, after.data(), before.data(), table, scratch, random, progress}; }

    int w, h;
    std::vector<std::uint32_t> after, before;
    FilterTabelArray table{};
    FilterScratch scratch;
    RandomGenerator random{1};
    ProgressCallback progress;
};
