#pragma once

// What one filter kernel works on: the two pixel buffers of the engine, the
// shared lookup table, reusable scratch memory, the random generator and the
// progress callback. Kernels are free functions over this (filter_kernels.h).

#include <QtGlobal>

#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <vector>

class RandomGenerator;

// The kernels address channels as bytes of a 32-bit pixel: blue first.
static_assert(std::endian::native == std::endian::little, "the filters assume little-endian pixels");

// A kernel whose loops the compiler vectorises is built twice, for AVX2 and for any x86-64
// processor, and the program takes the one the processor runs (function multiversioning).
#if defined(__x86_64__) && (defined(__clang__) ? __clang_major__ >= 14 : defined(__GNUC__))
#define VELINOR_VECTORISED __attribute__((target_clones("avx2", "default")))
#else
#define VELINOR_VECTORISED
#endif

// Receives a progress value 0..100; the window's callback also processes pending events.
using ProgressCallback = std::function<void(int)>;

// The shared lookup table of the filters, entries 0..765.
using FilterTabelArray = std::array<int, 766>;

// Scratch memory kept between runs, so that a warm run allocates nothing.
struct FilterScratch
{
    std::vector<int> ints;
    std::vector<std::int16_t> shorts;
    std::vector<std::uint8_t> bytes;
    std::vector<std::uint32_t> pixels;

    template <typename T> static T* sized(std::vector<T>& v, std::size_t n)
    {
        if (v.size() < n)
            v.resize(n);
        return v.data();
    }
};

struct FilterRun
{
    static constexpr int Blue = 0, Green = 1, Red = 2, Fourth = 3;

    int width = 0;
    int height = 0;
    // FilterBeeld: one 32-bit pixel 0xXXRRGGBB each, so in memory the bytes blue,
    // green, red and a fourth byte no filter touches; rows top to bottom without
    // padding. What the filter writes.
    std::uint32_t* FilterBeeld = nullptr;
    // FilterBron: the same pixels as they were before the filter.
    const std::uint32_t* FilterBron = nullptr;
    FilterTabelArray& FilterTabel;
    FilterScratch& scratch;
    RandomGenerator& random;
    const ProgressCallback& progress;

    qsizetype rowBytes() const { return qsizetype(width) * 4; }
    qsizetype pixelCount() const { return qsizetype(width) * height; }
    // Row y (from 0) as pixels, and as bytes: channel c of pixel x is byte 4x + c.
    std::uint32_t* targetPixels(int y) const { return FilterBeeld + qsizetype(y) * width; }
    const std::uint32_t* sourcePixels(int y) const { return FilterBron + qsizetype(y) * width; }
    std::uint8_t* targetRow(int y) const { return reinterpret_cast<std::uint8_t*>(targetPixels(y)); }
    const std::uint8_t* sourceRow(int y) const { return reinterpret_cast<const std::uint8_t*>(sourcePixels(y)); }

    void report(int value) const
    {
        if (progress)
            progress(value);
    }
    // The progress after finishing row y, counted from 1 at the top.
    void rowDone(int y) const { report(int(qint64(y) * 100 / height)); }
};
