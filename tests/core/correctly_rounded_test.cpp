#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/correctly_rounded.h"
#include "seeded_entries.h"

namespace level {
namespace {

// The cases a rounding test cannot settle, and overflow: 10^22 is a double,
// 10^23 lies halfway between two and goes to the even one, ln 1 is 0.
TEST(CorrectlyRounded, SettlesTheExactCases)
{
    EXPECT_EQ(TenToThePower(22), 1e22);
    EXPECT_EQ(TenToThePower(23), 0x1.52d02c7e14af6p+76);
    EXPECT_EQ(TenToThePower(-1), 0.1);
    EXPECT_EQ(TenToThePower(308), 1e308);
    EXPECT_EQ(TenToThePower(309), HUGE_VAL);
    EXPECT_EQ(TenToThePower(-324), 0.0);
    EXPECT_EQ(TenToThePower(-323), 0x0.0000000000002p-1022);
    EXPECT_EQ(NaturalLogarithm(1), 0.0);
    EXPECT_EQ(NaturalLogarithm(2), 0x1.62e42fefa39efp-1);
    EXPECT_EQ(NaturalLogarithm(10), 0x1.26bb1bbb55516p+1);
}

// Every build shows the digits this one does for the seeded entries; the
// MPFR reference holds them to the correctly rounded ones.
TEST(CorrectlyRounded, EveryBuildShowsTheSameDigitsForAMillionEntries)
{
    const testing::Recipe recipes[] = {&ConvertFromDecibels, &ConvertFromNepers, &ConvertFromVolts};
    std::mt19937_64 random(testing::kEntriesSeed);
    std::uint64_t digest = testing::kDigestSeed;
    for (int index = 0; index < testing::kSeededEntries; ++index) {
        digest =
            testing::Fold(digest, testing::Outcome(testing::NextEntry(random, index), recipes));
    }
    EXPECT_EQ(digest, testing::kCorrectlyRoundedDigest);
}

}  // namespace
}  // namespace level
