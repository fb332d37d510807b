#pragma once

// The program's uniform random fractions in [0, 1). A small, fast generator
// (splitmix64) so the noise and defuse filters can draw two or three numbers
// per pixel; seedable so a run can be repeated (tests, velinor-cli --seed).

#include <cstdint>

class RandomGenerator
{
public:
    // Seeded from the clock.
    RandomGenerator();
    explicit RandomGenerator(std::uint64_t seed)
        : m_state(seed)
    {}

    void reseed(std::uint64_t seed) { m_state = seed; }
    static std::uint64_t clockSeed();

    // The next fraction, uniform in [0, 1) with 53 bits of resolution.
    double fraction()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return double(std::int64_t(z >> 11)) * 0x1.0p-53; // signed: a single conversion instruction
    }

private:
    std::uint64_t m_state;
};
