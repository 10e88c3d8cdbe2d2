#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "regional_settings.h"

namespace level {

// A number text taken apart into its sign, its decimal digits and its
// exponent, with the separators of the user's locale already removed.
struct NumberText {
    bool negative = false;
    std::string integerDigits;   // ASCII digits before the decimal separator
    std::string fractionDigits;  // ASCII digits after it
    std::int64_t exponent = 0;   // saturated at +-kExponentLimit

    static constexpr std::int64_t kExponentLimit = 1'000'000'000;

    // The power of ten just above the first significant digit, so that the
    // value lies in [0.1, 1) times ten to this power. Meaningless for zero.
    [[nodiscard]] std::int64_t Magnitude() const;
};

// Takes a number text apart under the user's separators. The accepted form:
//  - white space at either end is ignored: blanks, tabs, line breaks and the
//    no-break spaces U+00A0 and U+202F;
//  - then an optional '+' or '-';
//  - then ASCII digits, among which the group separator may stand, but only
//    between two digits of the integer part (group sizes are not checked);
//    where the group separator is a blank of any kind (Russian locales use
//    U+00A0 or U+202F), an ordinary blank and both no-break spaces all count
//    as group separators, since a user types whichever is at hand;
//  - then optionally the decimal separator and more digits; the separator
//    needs a digit on at least one side ("5," and ",5" read, "," does not);
//  - then optionally 'e' or 'E', an optional sign and at least one digit.
// Anything else gives no value.
[[nodiscard]] std::optional<NumberText> ScanNumber(std::string_view text,
                                                   const RegionalSettings& settings);

}  // namespace level
