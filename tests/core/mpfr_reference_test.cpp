// The converter's powers and logarithms against MPFR's, correctly rounded
// to doubles (subnormals included): a seeded table of arguments in the
// recipes' ranges and beyond, the integers around the exact cases, and
// published hard-to-round arguments; then the recipes' digits for the
// seeded entries, with MPFR's functions in place of the converter's.

#include <mpfr.h>

#include <cmath>
#include <iostream>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/checked_arithmetic.h"
#include "core/correctly_rounded.h"
#include "core/exact_rounding.h"
#include "core/numeric_text.h"
#include "seeded_entries.h"
#include "test_support.h"

namespace level {
namespace {

using MpfrFunction = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

// How many powers and logarithms the reference gave, and of those how many
// the converter's quick evaluation left to the slower ones.
struct QuickFailures {
    long arguments = 0;
    long failures = 0;
} powers, logarithms;

// The double nearest the exact value, as MPFR rounds it with a double's
// exponent range.
double Reference(MpfrFunction function, double argument)
{
    QuickFailures& count = function == &mpfr_exp10 ? powers : logarithms;
    ++count.arguments;
    count.failures +=
        !(function == &mpfr_exp10 ? QuickTenToThePower(argument) : QuickNaturalLogarithm(argument));
    mpfr_set_emin(-1073);
    mpfr_set_emax(1024);
    mpfr_t value;
    mpfr_init2(value, 53);
    mpfr_set_d(value, argument, MPFR_RNDN);
    const int ternary = function(value, value, MPFR_RNDN);
    mpfr_subnormalize(value, ternary, MPFR_RNDN);
    const double result = mpfr_get_d(value, MPFR_RNDN);
    mpfr_clear(value);
    return result;
}

// Published hard-to-round arguments of 10^x and ln x (V. Lefèvre's
// testlibm data), each with 45 to 64 identical bits after the round bit.
constexpr double kHardExponents[] = {
    0x1.00292f9da115p-15, 0x1.007316b43215bp-1, 0x1.00e15215c5d84p+2, 0x1.012febb3b4c75p+5,
    0x1.01b5157a97043p+8, 0x1.0b4a265438ccdp+7, 0x1.0a7e91e09c898p+0, 0x1.2ccdbcf94cd54p+8};
constexpr double kHardLogarithms[] = {
    0x1.a6ae5142326b5p+0, 0x1.1e852e6951306p+1,  0x1.ffcd1f1e0c16fp+1,  0x1.39e3e05fe5f35p+3,
    0x1.a455a70c31d8p+13, 0x1.3ef2d508592d8p+17, 0x1.304da5ffcea3dp+42, 0x1.a6004162f2b8cp+45};

TEST(MpfrReference, PowersAndLogarithmsAreCorrectlyRounded)
{
    std::vector<double> exponents(std::begin(kHardExponents), std::end(kHardExponents));
    std::vector<double> values(std::begin(kHardLogarithms), std::end(kHardLogarithms));
    for (int n = -340; n <= 340; ++n) {
        exponents.insert(exponents.end(), {n * 1.0, std::nextafter(n, -HUGE_VAL),
                                           std::nextafter(n, HUGE_VAL), n / 20.0});
        values.insert(values.end(), {std::ldexp(1.0, n * 3), std::pow(10.0, n % 300) * 1.0000001});
    }
    std::mt19937_64 random(7);
    for (int i = 0; i < 200'000; ++i) {
        const double unit = static_cast<double>(random() >> 11) * 0x1p-53;
        exponents.push_back(i % 2 == 0 ? 9 + unit * 6.075 : unit * 660 - 330);
        values.push_back(std::ldexp(1 + unit, static_cast<int>(random() % 2098) - 1074));
    }
    // The exact side on its own too, for every 50th argument: the fast side
    // leaves it only the arguments it cannot settle.
    using Function = double (*)(double);
    const std::tuple<const std::vector<double>&, Function, Function, MpfrFunction> functions[] = {
        {exponents, &TenToThePower, &ExactTenToThePower, &mpfr_exp10},
        {values, &NaturalLogarithm, &ExactNaturalLogarithm, &mpfr_log}};
    for (const auto& [arguments, function, exact, reference] : functions) {
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            const double expected = Reference(reference, arguments[i]);
            EXPECT_EQ(function(arguments[i]), expected) << arguments[i];
            EXPECT_TRUE(i % 50 != 0 || exact(arguments[i]) == expected) << arguments[i];
        }
    }
}

// The recipes as the converter runs them, with MPFR's functions.
double ReferenceVolts(double decibels)
{
    // An infinite power fails as overflow where it is written.
    return CheckedMultiply(Reference(&mpfr_exp10, CheckedDivide(decibels, 20.0)), kReferenceVolts);
}

void Write(std::string& field, double value)
{
    field = FormatCurrency(RoundToCurrency(value), kCommaSettings);
}

void ReferenceFromDecibels(LevelFields& fields, const RegionalSettings& settings)
{
    Write(fields.nepers, CheckedDivide(ParseDouble(fields.decibels, settings), 8.686));
    Write(fields.volts, ReferenceVolts(ParseDouble(fields.decibels, settings)));
}

void ReferenceFromNepers(LevelFields& fields, const RegionalSettings& settings)
{
    Write(fields.decibels, CheckedMultiply(ParseDouble(fields.nepers, settings), 8.686));
    Write(fields.volts, ReferenceVolts(CurrencyToDouble(ParseCurrency(fields.decibels, settings))));
}

void ReferenceFromVolts(LevelFields& fields, const RegionalSettings& settings)
{
    const double ratio = CheckedDivide(ParseDouble(fields.volts, settings), kReferenceVolts);
    if (!(ratio > 0)) {
        throw ConversionError(ErrorKind::InvalidProcedureCall);
    }
    Write(fields.decibels, CheckedMultiply(Reference(&mpfr_log, ratio), 8.6858));
    Write(fields.nepers, CheckedMultiply(ParseDouble(fields.decibels, settings), 0.115));
}

// The digest every build's own recipes must give (correctly_rounded_test).
TEST(MpfrReference, TheSeededEntriesShowTheCorrectlyRoundedDigits)
{
    const testing::Recipe reference[] = {&ReferenceFromDecibels, &ReferenceFromNepers,
                                         &ReferenceFromVolts};
    powers = logarithms = {};
    EXPECT_EQ(testing::DigestOfSeededEntries(reference), testing::kCorrectlyRoundedDigest);
    for (const auto& [name, count] : {std::pair{"powers", powers}, {"logarithms", logarithms}}) {
        std::cout << "the quick evaluation left " << count.failures << " of " << count.arguments
                  << " " << name << " to the slower ones\n";
    }
}

}  // namespace
}  // namespace level
