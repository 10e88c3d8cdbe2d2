#pragma once

#include <compare>
#include <cstdint>

namespace level {

// A fixed-point amount with exactly four decimal places: the value times
// 10 000, held in a signed 64-bit integer. Every result the converter shows
// is rounded into it and written from it.
struct Currency {
    static constexpr int kDecimals = 4;
    static constexpr std::int64_t kScale = 10'000;
    // 2^63: the first magnitude beyond the positive range of its units.
    static constexpr std::uint64_t kMagnitudeLimit = std::uint64_t{1} << 63;

    std::int64_t units = 0;

    friend constexpr auto operator<=>(Currency, Currency) = default;
};

}  // namespace level
