#pragma once

#include <string>

namespace level {

// The user's separators for numbers, as UTF-8 texts. Every conversion between
// text and number uses them; nothing else of the user's locale matters here.
struct RegionalSettings {
    std::string decimalSeparator;
    std::string groupSeparator;

    // Locales the program and its tests meet most often.
    static RegionalSettings Comma() { return {",", "."}; }
    static RegionalSettings Point() { return {".", ","}; }
    static RegionalSettings Russian() { return {",", "\u00A0"}; }

    friend bool operator==(const RegionalSettings&, const RegionalSettings&) = default;
};

}  // namespace level
