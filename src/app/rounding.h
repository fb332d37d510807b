#pragma once

// The program's arithmetic: a fraction becomes a whole number by rounding to
// the nearest, halves to the even neighbour; whole-number division truncates
// toward zero (which is what C++'s / on integers already does).

#include <cmath>

inline long long RondAf(double value)
{
    return std::llrint(value); // the default rounding mode: to nearest, ties to even
}
