#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/regional_settings.h"

namespace level {

// A number text taken apart into its sign, its decimal digits and its
// exponent, with the separators of the user's locale already removed.
struct NumberText {
    bool negative = false;
    std::string integerDigits;   // ASCII digits before the decimal separator
    std::string fractionDigits;  // ASCII digits after it
    std::int64_t exponent = 0;   // saturated at +-kExponentLimit

    static constexpr std::int64_t kExponentLimit = 1'000'000'000;
};

// Takes a number text apart under the user's separators. The accepted form:
//  - white space at either end is ignored: blanks, tabs, line breaks and the
//    no-break spaces U+00A0 and U+202F;
//  - then an optional '+' or '-';
//  - then ASCII digits; a group separator may stand between them only as
//    people write grouped numbers: one to three digits, not starting with 0,
//    then groups of exactly three digits, each after one separator
//    ("12.345.678" in a locale that groups with "."; "0.775" and "7.75" are
//    no numbers there). An integer part without separators is free;
//    where the group separator is a blank of any kind (Russian locales use
//    U+00A0 or U+202F), an ordinary blank and both no-break spaces all count
//    as group separators, since a user types whichever is at hand;
//  - then optionally the decimal separator and more digits; the separator
//    needs a digit on at least one side ("5," and ",5" read, "," does not);
//  - then optionally 'e' or 'E', an optional sign and at least one digit.
// Anything else gives no value.
[[nodiscard]] std::optional<NumberText> ScanNumber(std::string_view text,
                                                   const RegionalSettings& settings);

// The user's separators mended where they cannot work, so that every text the converter writes
// reads back to the value it was written from. Every real locale passes as
// it is; settings a user typed in that could not work give way:
//  - a decimal separator that is empty or holds a digit, a sign, an exponent
//    letter (e, E) or white space becomes ".";
//  - a group separator that holds a digit, a sign or an exponent letter, or
//    that holds or is held by the decimal separator (the two equal, say),
//    is dropped: the numbers are then read without grouping.
[[nodiscard]] RegionalSettings MendSeparators(RegionalSettings settings);
// Whether a decimal separator works as above: text written with it reads
// back as written.
[[nodiscard]] bool DecimalSeparatorWorks(std::string_view decimal);

}  // namespace level
