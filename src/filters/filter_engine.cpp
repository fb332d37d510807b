#include "filters/filter_engine.h"

#include "app/colour.h"
#include "filters/filter_kernels.h"

#include <cstring>

namespace {

// Clears FilterBezig however the run ends.
struct BusyFlag
{
    explicit BusyFlag(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~BusyFlag() { m_flag = false; }
    bool& m_flag;
};

void copyRows(const QImage& picture, std::uint32_t* to)
{
    const qsizetype width = picture.width();
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(to + y * width, picture.constScanLine(y), width * 4);
}

void writeRows(const std::uint32_t* from, QImage& picture)
{
    const qsizetype width = picture.width();
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(picture.scanLine(y), from + y * width, width * 4);
}

} // namespace

void FilterEngine::PasFilterToe(FilterKind kind, QImage& picture, int parameter, const ProgressCallback& progress)
{
    if (FilterBezig)
        return;
    BusyFlag busy(FilterBezig);
    if (picture.isNull())
        return;
    if (picture.depth() != 32)
        picture = picture.convertToFormat(QImage::Format_RGB32);

    const QSize size = picture.size();
    const std::size_t pixels = std::size_t(size.width()) * std::size_t(size.height());
    FilterBeeld.resize(pixels);
    FilterBron.resize(pixels);
    copyRows(picture, FilterBeeld.data());
    std::memcpy(FilterBron.data(), FilterBeeld.data(), pixels * 4);

    FilterRun run{size.width(), size.height(), FilterBeeld.data(), FilterBron.data(),
                  FilterTabel,  m_scratch,     m_random,           progress};
    runKind(kind, run, parameter);

    // Events ran during the filter; should the picture have been replaced by one
    // of another size meanwhile, the newer picture stays.
    if (picture.size() == size && picture.depth() == 32)
        writeRows(FilterBeeld.data(), picture);
}

void FilterEngine::runKind(FilterKind kind, FilterRun& run, int parameter)
{
    switch (kind) {
    case FilterKind::Grayscale:
        grayscaleFilter(run);
        break;
    case FilterKind::Negative:
        negativeFilter(run);
        break;
    case FilterKind::Brightness:
        brightnessFilter(run, parameter);
        break;
    case FilterKind::Contrast:
        contrastFilter(run, parameter);
        break;
    case FilterKind::ColourSwap:
        colourSwapFilter(run, parameter);
        break;
    case FilterKind::Noise:
        noiseFilter(run, parameter);
        break;
    case FilterKind::Sharpen:
        sharpenFilter(run, parameter);
        break;
    case FilterKind::Edge:
        edgeFilter(run, parameter);
        break;
    case FilterKind::Blur:
        blurFilter(run);
        break;
    case FilterKind::Contour:
        contourFilter(run, parameter);
        break;
    case FilterKind::Relief:
        reliefFilter(run);
        break;
    case FilterKind::Pixelize:
        pixelizeFilter(run, parameter);
        break;
    case FilterKind::Defuse:
        defuseFilter(run, parameter);
        break;
    case FilterKind::Scattered:
        scatteredFilter(run, parameter);
        break;
    case FilterKind::Aquarel:
        aquarelFilter(run);
        break;
    }
}

void SplitsKleur(std::int64_t colour, int& r, int& g, int& b)
{
    const ColourParts parts = splitColourValue(colour);
    r = parts.r;
    g = parts.g;
    b = parts.b;
}
