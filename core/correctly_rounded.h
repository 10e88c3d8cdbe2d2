#pragma once

#include <optional>

namespace level {

// Ten to a power and the natural logarithm, each the double nearest the
// exact value (ties to even), on every build: a fast evaluation in double-
// double arithmetic serves wherever its error bound proves the rounding,
// and an exact one (core/exact_rounding.h) everywhere else. They raise no
// error: an overflowing power is infinite, the logarithm of zero is minus
// infinity and of a negative number not a number.
[[nodiscard]] double TenToThePower(double exponent);
[[nodiscard]] double NaturalLogarithm(double value);

// The quick evaluations the two start with, alone: the correctly rounded
// result where their error bound settles the rounding, none where it does
// not (the slower evaluations then take over), and none near the ends of
// the double range.
[[nodiscard]] std::optional<double> QuickTenToThePower(double exponent);
[[nodiscard]] std::optional<double> QuickNaturalLogarithm(double value);

}  // namespace level
