#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/conversion_error.h"
#include "core/regional_settings.h"

// The separators of the locales the tests meet most often.
inline const level::RegionalSettings kCommaSettings{",", "."};
inline const level::RegionalSettings kPointSettings{".", ","};
inline const level::RegionalSettings kRussianSettings{",", "\u00A0"};

namespace level::testing {

// The error kind a call raised, or none if it returned.
template <typename Call>
std::optional<ErrorKind> RaisedKind(Call&& call)
{
    try {
        call();
    } catch (const ConversionError& error) {
        return error.kind();
    }
    return std::nullopt;
}

inline std::string KindName(std::optional<ErrorKind> kind)
{
    return kind ? std::to_string(ErrorNumber(*kind)) : "none";
}

}  // namespace level::testing
