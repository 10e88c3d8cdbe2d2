#pragma once

#include <cmath>

namespace level {

// A positive finite x as m 2^k with m in [1/sqrt 2, sqrt 2), where
// ln x = k ln 2 + 2 atanh((m - 1)/(m + 1)) and the atanh series converges
// fastest: the reduction both natural logarithms start from.
struct LogarithmArgument {
    double mantissa = 0.0;
    int exponent = 0;
};

[[nodiscard]] inline LogarithmArgument ReduceLogarithmArgument(double value)
{
    LogarithmArgument reduced;
    reduced.mantissa = std::frexp(value, &reduced.exponent);
    if (reduced.mantissa < 0.70710678118654752440) {
        reduced.mantissa *= 2.0;
        --reduced.exponent;
    }
    return reduced;
}

}  // namespace level
