#pragma once

#include <compare>
#include <cstdint>

namespace level {

// A fixed-point amount with exactly four decimal places: the value times
// 10 000, held in a signed 64-bit integer. Every result the converter shows
// is rounded into it and written from it.
struct Currency {
    static constexpr std::int64_t kScale = 10'000;

    std::int64_t units = 0;

    friend constexpr auto operator<=>(Currency, Currency) = default;
};

}  // namespace level
