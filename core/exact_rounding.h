#pragma once

namespace level {

// The slow, exact side of the correctly rounded functions: ten to a power
// and the natural logarithm of a positive finite number, each evaluated in
// multiprecision arithmetic and rounded once to the nearest double (ties to
// even), subnormals included. Ten to an integer power, the one case whose
// exact value can lie on a midpoint (10^23 does), is rounded from its exact
// decimal value.
[[nodiscard]] double ExactTenToThePower(double exponent);
[[nodiscard]] double ExactNaturalLogarithm(double value);

}  // namespace level
