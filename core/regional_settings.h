#pragma once

#include <string>

namespace level {

// The user's separators for numbers, as UTF-8 texts. Every conversion between
// text and number uses them; nothing else of the user's locale matters here.
struct RegionalSettings {
    std::string decimalSeparator;
    std::string groupSeparator;

    friend bool operator==(const RegionalSettings&, const RegionalSettings&) = default;
};

}  // namespace level
