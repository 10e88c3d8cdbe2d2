#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/numeric_text.h"
#include "test_support.h"

namespace level {
namespace {

using testing::RaisedKind;

const RegionalSettings kComma = kCommaSettings;
const RegionalSettings kPoint = kPointSettings;
const RegionalSettings kRussian = kRussianSettings;
const RegionalSettings kRussianNarrow{",", "\u202F"};

constexpr std::int64_t kMaxUnits = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMinUnits = std::numeric_limits<std::int64_t>::min();

struct ParseCase {
    const char* text;
    RegionalSettings settings;
    double expected;
};

void PrintTo(const ParseCase& c, std::ostream* out)
{
    *out << '"' << c.text << '"';
}

class ParseDoubleReads : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDoubleReads, TheNearestDouble)
{
    const auto& c = GetParam();
    const double value = ParseDouble(c.text, c.settings);
    EXPECT_EQ(value, c.expected) << '"' << c.text << '"';
    EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, ParseDoubleReads,
    ::testing::Values(
        ParseCase{"0,775", kComma, 0.775}, ParseCase{" 12,5 ", kComma, 12.5},
        ParseCase{"\t12,5\r\n", kComma, 12.5}, ParseCase{"\u00A012,5\u00A0", kComma, 12.5},
        ParseCase{"-3", kComma, -3.0}, ParseCase{"+3", kComma, 3.0}, ParseCase{"-0", kComma, -0.0},
        ParseCase{"5,", kComma, 5.0}, ParseCase{",5", kComma, 0.5},
        ParseCase{"1e3", kComma, 1000.0}, ParseCase{"1,5E-2", kComma, 0.015},
        ParseCase{"1,5e+2", kComma, 150.0}, ParseCase{"1.000,5", kComma, 1000.5},
        ParseCase{"007", kComma, 7.0}, ParseCase{"12.345.678", kComma, 12345678.0},
        ParseCase{"1234567", kComma, 1234567.0}, ParseCase{"1,000.5", kPoint, 1000.5},
        ParseCase{"0.775", kPoint, 0.775},
        // Russian locales group with a no-break space; a plain blank and the
        // narrow no-break space are taken as the same.
        ParseCase{"1\u00A0000,5", kRussian, 1000.5}, ParseCase{"1 000,5", kRussian, 1000.5},
        ParseCase{"1\u202F000 000", kRussian, 1e6}, ParseCase{"1 000,5", kRussianNarrow, 1000.5},
        // Beyond the small end of the double range: zero or subnormal, no error.
        ParseCase{"1e-400", kComma, 0.0}, ParseCase{"-1e-400", kComma, -0.0},
        ParseCase{"4,9406564584124654e-324", kComma, std::numeric_limits<double>::denorm_min()},
        ParseCase{"3e-324", kComma, std::numeric_limits<double>::denorm_min()},
        ParseCase{"0e99999999999999999999", kComma, 0.0},
        ParseCase{"1,7976931348623157e308", kComma, std::numeric_limits<double>::max()},
        ParseCase{"0,1e309", kComma, 1e308}, ParseCase{"10000e-4", kComma, 1.0}));

// The nearest double wherever the digits fall: whatever the processor's
// floating-point mode, and whatever a precompiled library was built for.
INSTANTIATE_TEST_SUITE_P(Nearest, ParseDoubleReads,
                         ::testing::Values(
                             // Large and small exponents.
                             ParseCase{"1,428932695e27", kComma, 0x1.277f112736f0fp+90},
                             ParseCase{"1e23", kComma, 0x1.52d02c7e14af6p+76},
                             ParseCase{"8,988465674311579e307", kComma, 0x1.fffffffffffffp+1022},
                             ParseCase{"1e-300", kComma, 0x1.56e1fc2f8f359p-997},
                             // Halfway between two doubles: to the even one; a trace above
                             // half: up.
                             ParseCase{"9007199254740993", kComma, 0x1.0000000000000p+53},
                             ParseCase{"9007199254740995", kComma, 0x1.0000000000002p+53},
                             ParseCase{"9007199254740993,0000000001", kComma,
                                       0x1.0000000000001p+53},
                             // Subnormals: the largest, and either side of half the smallest.
                             ParseCase{"2,2250738585072011e-308", kComma, 0x0.fffffffffffffp-1022},
                             ParseCase{"2,2250738585072014e-308", kComma, 0x1p-1022},
                             ParseCase{"2,4703282292062327e-324", kComma, 0.0},
                             ParseCase{"2,4703282292062328e-324", kComma, 0x0.0000000000001p-1022},
                             // The largest finite double, written just below the point where
                             // the value would round to infinity.
                             ParseCase{"1,7976931348623158e308", kComma, 0x1.fffffffffffffp+1023}));

struct RejectCase {
    const char* text;
    RegionalSettings settings;
    ErrorKind kind;
};

class ParseDoubleRejects : public ::testing::TestWithParam<RejectCase> {};

TEST_P(ParseDoubleRejects, WithTheRightError)
{
    const auto& c = GetParam();
    EXPECT_EQ(RaisedKind([&] { (void)ParseDouble(c.text, c.settings); }), c.kind)
        << '"' << c.text << '"';
}

constexpr auto kMismatch = ErrorKind::TypeMismatch;
constexpr auto kOverflow = ErrorKind::Overflow;

INSTANTIATE_TEST_SUITE_P(
    BadText, ParseDoubleRejects,
    ::testing::Values(
        RejectCase{"", kComma, kMismatch}, RejectCase{"   ", kComma, kMismatch},
        RejectCase{"\u00A0", kRussian, kMismatch}, RejectCase{"abc", kComma, kMismatch},
        RejectCase{",", kComma, kMismatch}, RejectCase{"-", kComma, kMismatch},
        RejectCase{"+-1", kComma, kMismatch}, RejectCase{"--1", kComma, kMismatch},
        RejectCase{"1e", kComma, kMismatch}, RejectCase{"1e+", kComma, kMismatch},
        RejectCase{"e5", kComma, kMismatch}, RejectCase{"1,2,3", kComma, kMismatch},
        RejectCase{"12abc", kComma, kMismatch}, RejectCase{"1 2", kComma, kMismatch},
        RejectCase{"1e5,5", kComma, kMismatch}, RejectCase{"0x10", kComma, kMismatch},
        RejectCase{"inf", kComma, kMismatch}, RejectCase{"nan", kComma, kMismatch},
        RejectCase{"1.5", kRussian, kMismatch}, RejectCase{"1  000", kRussian, kMismatch},
        RejectCase{",1", kPoint, kMismatch}, RejectCase{"1,,000", kPoint, kMismatch},
        RejectCase{"1,000,", kPoint, kMismatch}, RejectCase{"1.5,5", kPoint, kMismatch},
        RejectCase{"1\n2", kComma, kMismatch}, RejectCase{"\xFF\xFE", kComma, kMismatch},
        // Grouped only as people write numbers: the point/comma trap of a
        // value typed in the other locale's notation is a type mismatch.
        RejectCase{"0.775", kComma, kMismatch}, RejectCase{"7.75", kComma, kMismatch},
        RejectCase{"1.0.0", kComma, kMismatch}, RejectCase{"1234.567", kComma, kMismatch},
        RejectCase{"1.2345", kComma, kMismatch}, RejectCase{"01.000", kComma, kMismatch},
        RejectCase{"0,775", kPoint, kMismatch}, RejectCase{"1 00", kRussian, kMismatch},
        RejectCase{"1e309", kComma, kOverflow}, RejectCase{"-1e309", kComma, kOverflow},
        RejectCase{"1,8e308", kComma, kOverflow},
        // One step past the largest finite double: it rounds to infinity.
        RejectCase{"1,7976931348623159e308", kComma, kOverflow},
        RejectCase{"1e99999999999999999999", kComma, kOverflow}));

TEST(ParseDouble, ReadsAHugeRunOfDigitsExactly)
{
    const std::string digits = "1" + std::string(400, '0') + "e-400";
    EXPECT_EQ(ParseDouble(digits, kComma), 1.0);
    EXPECT_EQ(RaisedKind([&] { (void)ParseDouble("1" + std::string(400, '0'), kComma); }),
              kOverflow);
}

struct CurrencyCase {
    const char* text;
    std::int64_t units;
};

class ParseCurrencyReads : public ::testing::TestWithParam<CurrencyCase> {};

TEST_P(ParseCurrencyReads, TheDecimalValueExactly)
{
    EXPECT_EQ(ParseCurrency(GetParam().text, kComma).units, GetParam().units) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Exact, ParseCurrencyReads,
    ::testing::Values(CurrencyCase{"0,1151", 1151}, CurrencyCase{"-8,686", -86860},
                      CurrencyCase{"77500", 775000000}, CurrencyCase{"0", 0},
                      CurrencyCase{"922337203685477,5807", kMaxUnits},
                      CurrencyCase{"-922337203685477,5808", kMinUnits}, CurrencyCase{"0,00005", 0},
                      CurrencyCase{"0,00015", 2}, CurrencyCase{"0,000149", 1},
                      CurrencyCase{"0,0000500001", 1}, CurrencyCase{"-0,00025", -2},
                      CurrencyCase{"1,23456e2", 1234560}, CurrencyCase{"12345e-8", 1},
                      CurrencyCase{"1e-999999999", 0},
                      CurrencyCase{"0000000000000000000000012", 120000}));

class ParseCurrencyOverflows : public ::testing::TestWithParam<const char*> {};

TEST_P(ParseCurrencyOverflows, OutsideTheRange)
{
    EXPECT_EQ(RaisedKind([&] { (void)ParseCurrency(GetParam(), kComma); }), kOverflow);
}

INSTANTIATE_TEST_SUITE_P(Bounds, ParseCurrencyOverflows,
                         ::testing::Values("922337203685477,5808", "-922337203685477,5809",
                                           "922337203685477,58075", "1e15", "-1e15",
                                           "99999999999999999999", "1e999999999"));

TEST(ParseCurrency, RejectsWhatIsNotANumber)
{
    EXPECT_EQ(RaisedKind([] { (void)ParseCurrency("", kComma); }), kMismatch);
    EXPECT_EQ(RaisedKind([] { (void)ParseCurrency("1.2.x", kComma); }), kMismatch);
}

struct RoundCase {
    double value;
    std::int64_t units;
};

class RoundToCurrencyGives : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToCurrencyGives, TheRoundedScaledProduct)
{
    EXPECT_EQ(RoundToCurrency(GetParam().value).units, GetParam().units) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Rounding, RoundToCurrencyGives,
                         ::testing::Values(RoundCase{1.0 / 8.686, 1151}, RoundCase{1e-9, 0},
                                           RoundCase{-1e-9, 0}, RoundCase{0.775, 7750},
                                           RoundCase{-8.686, -86860},
                                           RoundCase{-922337203685477.5808, kMinUnits}));

// Ties are settled on the scaled floating-point product, to even.
TEST(RoundToCurrency, RoundsTiesOfTheScaledProductToEven)
{
    const std::pair<double, std::int64_t> ties[] = {
        {12344.5, 12344}, {12345.5, 12346}, {0.5, 0}, {7.5, 8}, {-2.5, -2}, {-3.5, -4}, {6.5, 6}};
    for (const auto& [tie, units] : ties) {
        const double value = tie / 10000.0;
        ASSERT_EQ(value * 10000.0, tie) << "not a tie once scaled: " << tie;
        EXPECT_EQ(RoundToCurrency(value).units, units) << tie;
    }
}

TEST(RoundToCurrency, OverflowsOutsideTheRange)
{
    for (const double value :
         {1e15, -1e15, 922337203685477.5807, 1e300, std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(RaisedKind([&] { (void)RoundToCurrency(value); }), kOverflow) << value;
    }
}

struct FormatCase {
    std::int64_t units;
    RegionalSettings settings;
    const char* text;
};

class FormatCurrencyWrites : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatCurrencyWrites, PlainDecimal)
{
    EXPECT_EQ(FormatCurrency(Currency{GetParam().units}, GetParam().settings), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatCurrencyWrites,
    ::testing::Values(FormatCase{1151, kComma, "0,1151"}, FormatCase{7750, kComma, "0,775"},
                      FormatCase{200000, kComma, "20"}, FormatCase{-86860, kComma, "-8,686"},
                      FormatCase{775000000, kComma, "77500"}, FormatCase{0, kComma, "0"},
                      FormatCase{-1, kComma, "-0,0001"}, FormatCase{10, kComma, "0,001"},
                      FormatCase{10000000, kRussian, "1000"}, FormatCase{7750, kPoint, "0.775"},
                      FormatCase{kMaxUnits, kComma, "922337203685477,5807"},
                      FormatCase{kMinUnits, kPoint, "-922337203685477.5808"},
                      FormatCase{123456, RegionalSettings{"\u066B", "\u066C"}, "12\u066B3456"}));

// Any amount the converter writes reads back to itself, exactly through
// ParseCurrency and to the nearest double through ParseDouble.
class WrittenTextsReadBack : public ::testing::TestWithParam<RegionalSettings> {};

TEST_P(WrittenTextsReadBack, ExactlyAndToTheNearestDouble)
{
    const RegionalSettings& settings = GetParam();
    // clang-format off
    std::vector<std::int64_t> samples = {0, 1, -1, 9999, 10000, kMaxUnits, kMinUnits, kMaxUnits - 1,
                                         kMinUnits + 1, (std::int64_t{1} << 53) + 1, -(std::int64_t{1} << 53) - 1};
    // clang-format on
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        const auto bits = static_cast<std::int64_t>(random());
        const int shift = static_cast<int>(random() % 64);
        samples.push_back(bits >> shift);
    }
    for (const std::int64_t units : samples) {
        const Currency amount{units};
        const std::string text = FormatCurrency(amount, settings);
        ASSERT_EQ(ParseCurrency(text, settings), amount) << text;
        ASSERT_EQ(ParseDouble(text, settings), CurrencyToDouble(amount)) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, WrittenTextsReadBack,
                         ::testing::Values(kComma, kPoint, kRussian));

}  // namespace
}  // namespace level
