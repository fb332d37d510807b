#include "filters/random_generator.h"

#include <chrono>

RandomGenerator::RandomGenerator()
    : m_state(clockSeed())
{}

std::uint64_t RandomGenerator::clockSeed()
{
    return std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
}
