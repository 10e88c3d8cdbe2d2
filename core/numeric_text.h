#pragma once

#include <string>
#include <string_view>

#include "core/currency.h"
#include "core/regional_settings.h"

namespace level {

// The conversions between text and number through which every value of the
// converter passes. The accepted syntax is that of ScanNumber (number_syntax.h).
// Each raises ConversionError instead of returning a doubtful value.

// The nearest double to the text. TypeMismatch for a text that is not a
// number; Overflow beyond the double range; a value too small for a double
// reads as zero (or the nearest subnormal) without error.
[[nodiscard]] double ParseDouble(std::string_view text, const RegionalSettings& settings);

// The text's decimal value, read exactly and rounded to four decimals, ties to
// even. TypeMismatch for a text that is not a number; Overflow outside the
// Currency range.
[[nodiscard]] Currency ParseCurrency(std::string_view text, const RegionalSettings& settings);

// The nearest double to the amount.
[[nodiscard]] double CurrencyToDouble(Currency amount);

// The value times 10 000, rounded to the nearest integer with ties to even.
// Overflow when that is not finite or lies outside the 64-bit range.
[[nodiscard]] Currency RoundToCurrency(double value);

// The amount in plain decimal: a '-' for a negative amount, the integer part
// without group separators, and, unless the fraction is zero, the decimal
// separator and one to four fraction digits without trailing zeros.
[[nodiscard]] std::string FormatCurrency(Currency amount, const RegionalSettings& settings);

}  // namespace level
