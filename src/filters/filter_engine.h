#pragma once

// The filter engine: copies a 32-bit picture into its working pixels
// (FilterBeeld) and an untouched copy (FilterBron), runs one filter over them
// while reporting progress, and writes the result back. A request that arrives
// while a filter runs (the window processes events after every row) is ignored.

#include "filters/filter_run.h"
#include "filters/random_generator.h"

#include <QImage>

#include <cstdint>
#include <vector>

enum class FilterKind {
    Grayscale,
    Negative,
    Brightness,
    Contrast,
    ColourSwap,
    Noise,
    Sharpen,
    Edge,
    Blur,
    Contour,
    Relief,
    Pixelize,
    Defuse,
    Scattered,
    Aquarel,
};

class FilterEngine
{
public:
    FilterEngine() = default;
    explicit FilterEngine(std::uint64_t seed)
        : m_random(seed)
    {}

    // Runs one filter over the picture. A picture that is not 32 bits a pixel is
    // converted to Format_RGB32 first. Does nothing while another filter runs.
    void PasFilterToe(FilterKind kind, QImage& picture, int parameter, const ProgressCallback& progress);

    bool bezig() const { return FilterBezig; }
    RandomGenerator& random() { return m_random; }

private:
    void runKind(FilterKind kind, FilterRun& run, int parameter);

    bool FilterBezig = false;
    // Kept between runs: fresh memory is slow to touch, and the canvas needs only 0.5 MB each.
    std::vector<std::uint32_t> FilterBeeld;
    std::vector<std::uint32_t> FilterBron;
    FilterTabelArray FilterTabel{};
    FilterScratch m_scratch;
    RandomGenerator m_random;
};

// The components of a colour value r + 256 g + 65536 b.
void SplitsKleur(std::int64_t colour, int& r, int& g, int& b);
