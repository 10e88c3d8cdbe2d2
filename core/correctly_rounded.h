#pragma once

namespace level {

// Ten to a power and the natural logarithm, each the double nearest the
// exact value (ties to even), on every build: a fast evaluation in double-
// double arithmetic serves wherever its error bound proves the rounding,
// and an exact one (core/exact_rounding.h) everywhere else. They raise no
// error: an overflowing power is infinite, the logarithm of zero is minus
// infinity and of a negative number not a number.
[[nodiscard]] double TenToThePower(double exponent);
[[nodiscard]] double NaturalLogarithm(double value);

}  // namespace level
