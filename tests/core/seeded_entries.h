#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "core/conversion_error.h"
#include "core/correctly_rounded.h"
#include "core/level_recipes.h"
#include "test_support.h"

namespace level::testing {

// Entries where four decimals meet a double's last bits, the same on every
// build (a standard engine, and doubles made from its bits): decibels from
// 180 to 301.5, nepers from 20 to 34.7 and volts from 1e-300 to 1e300, as
// typed, and everyday decibels and volts.
using Recipe = void (*)(LevelFields&, const RegionalSettings&);

struct SeededEntry {
    int kind;  // 0 decibels, 1 nepers, 2 volts, 3 everyday decibels, 4 everyday volts
    std::string text;
};

inline SeededEntry NextEntry(std::mt19937_64& random, int index)
{
    const double unit = static_cast<double>(random() >> 11) * 0x1p-53;  // [0, 1)
    const int kind = index % 5;
    const double value = kind == 0   ? 180 + unit * 121.5
                         : kind == 1 ? 20 + unit * 14.7
                         : kind == 2 ? TenToThePower(unit * 600 - 300)
                         : kind == 3 ? unit * 200 - 100
                                     : TenToThePower(unit * 6 - 3);
    // printf's digits, exact in glibc, musl and MinGW-w64's C99 printf alike.
    char digits[400];
    const int length = std::snprintf(digits, sizeof digits, kind == 2 ? "%.9e" : "%.4f", value);
    std::string text(digits, static_cast<std::size_t>(length));
    std::replace(text.begin(), text.end(), '.', ',');
    return {kind, text};
}

// What the three fields show after the entry's recipe, or the error's
// number.
inline std::string Outcome(const SeededEntry& entry, const Recipe recipes[3])
{
    LevelFields fields{"0", "0", "0,775"};
    std::string* entered[] = {&fields.decibels, &fields.nepers, &fields.volts};
    const int recipe = entry.kind == 3 ? 0 : entry.kind == 4 ? 2 : entry.kind;
    *entered[recipe] = entry.text;
    try {
        recipes[recipe](fields, kCommaSettings);
    } catch (const ConversionError& error) {
        return std::to_string(ErrorNumber(error.kind()));
    }
    return fields.decibels + "|" + fields.nepers + "|" + fields.volts;
}

inline constexpr int kSeededEntries = 1'000'000;
inline constexpr std::uint64_t kEntriesSeed = 20261209;
// The digest of the seeded entries' outcomes with correctly rounded powers
// and logarithms, as the MPFR reference gives it.
inline constexpr std::uint64_t kCorrectlyRoundedDigest = 0xdd2fde9ee26fe3e4;

// An FNV-1a digest of the seeded entries' outcomes, one a line.
inline std::uint64_t DigestOfSeededEntries(const Recipe recipes[3])
{
    std::mt19937_64 random(kEntriesSeed);
    std::uint64_t digest = 0xcbf29ce484222325u;
    for (int index = 0; index < kSeededEntries; ++index) {
        for (const char c : Outcome(NextEntry(random, index), recipes) + "\n") {
            digest = (digest ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
        }
    }
    return digest;
}

}  // namespace level::testing
