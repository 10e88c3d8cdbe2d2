#include <array>
#include <cmath>
#include <utility>

#include <gtest/gtest.h>

#include "core/correctly_rounded.h"
#include "seeded_entries.h"

namespace level {
namespace {

// The cases a rounding test cannot settle, and overflow: 10^22 is a double,
// 10^23 lies halfway between two and goes to the even one, ln 1 is 0.
TEST(CorrectlyRounded, SettlesTheExactCases)
{
    const std::pair<double, double> powers[] = {
        {22, 1e22},  {23, 0x1.52d02c7e14af6p+76},    {-1, 0.1}, {308, 1e308}, {309, HUGE_VAL},
        {-324, 0.0}, {-323, 0x0.0000000000002p-1022}};
    for (const auto& [exponent, power] : powers) {
        EXPECT_EQ(TenToThePower(exponent), power) << exponent;
    }
    EXPECT_EQ((std::array{NaturalLogarithm(1), NaturalLogarithm(2), NaturalLogarithm(10)}),
              (std::array{0.0, 0x1.62e42fefa39efp-1, 0x1.26bb1bbb55516p+1}));
}

// Every build shows the digits this one does for the seeded entries; the
// MPFR reference holds them to the correctly rounded ones.
TEST(CorrectlyRounded, EveryBuildShowsTheSameDigitsForAMillionEntries)
{
    const testing::Recipe recipes[] = {&ConvertFromDecibels, &ConvertFromNepers, &ConvertFromVolts};
    EXPECT_EQ(testing::DigestOfSeededEntries(recipes), testing::kCorrectlyRoundedDigest);
}

}  // namespace
}  // namespace level
