#include "core/correctly_rounded.h"

#include <array>
#include <cmath>
#include <optional>

#include "core/double_double.h"
#include "core/exact_rounding.h"
#include "core/logarithm_reduction.h"

namespace level {
namespace {

constexpr DoubleDouble kLn2{0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};
constexpr DoubleDouble kLn10{0x1.26bb1bbb55516p+1, -0x1.f48ad494ea3e9p-53};

// The bound the fast evaluations are trusted to, relative to the result.
// Each double-double operation errs by less than 2^-102 and each constant
// by less than 2^-106; a logarithm takes about 45 operations, a power about
// 40, and in neither does an error grow on its way (the exponential's
// squarings keep e^x - 1, whose relative error they do not amplify). So
// each errs by less than 2^-95; 2^-85 leaves a margin of a thousand.
constexpr double kFastError = 0x1p-85;

// Whether hi is the double nearest every number within the error bound of
// hi + lo: hi + lo lies that far inside hi's rounding interval.
bool RoundsToHi(DoubleDouble value)
{
    const double margin = kFastError * std::fabs(value.hi);
    const double above = std::nextafter(value.hi, HUGE_VAL) - value.hi;
    const double below = value.hi - std::nextafter(value.hi, -HUGE_VAL);
    return value.lo + margin < above / 2 && value.lo - margin > -below / 2;
}

// 1/1, 1/3, 1/5, ...: the coefficients of 2 atanh s = ln((1 + s)/(1 - s)).
const std::array<DoubleDouble, 21>& OddReciprocals()
{
    static const std::array<DoubleDouble, 21> table = [] {
        std::array<DoubleDouble, 21> reciprocals{};
        for (std::size_t j = 0; j < reciprocals.size(); ++j) {
            reciprocals.at(j) = DoubleDouble{1.0} / DoubleDouble{2.0 * static_cast<double>(j) + 1};
        }
        return reciprocals;
    }();
    return table;
}

// 1/1!, 1/2!, ..., 1/11!: the coefficients of e^x - 1.
const std::array<DoubleDouble, 11>& InverseFactorials()
{
    static const std::array<DoubleDouble, 11> table = [] {
        std::array<DoubleDouble, 11> inverses{};
        DoubleDouble factorial{1.0};
        for (std::size_t j = 0; j < inverses.size(); ++j) {
            factorial = factorial * DoubleDouble{static_cast<double>(j) + 1};
            inverses.at(j) = DoubleDouble{1.0} / factorial;
        }
        return inverses;
    }();
    return table;
}

// ln x for a positive finite x: x = m 2^k with m in [1/sqrt 2, sqrt 2),
// and ln m = 2 atanh s for s = (m - 1)/(m + 1), |s| < 0.172, whose series
// has dropped below 2^-106 after 21 terms. m - 1 is exact (Sterbenz).
std::optional<double> FastNaturalLogarithm(double value)
{
    const auto [mantissa, exponent] = ReduceLogarithmArgument(value);
    const DoubleDouble s = DoubleDouble{mantissa - 1.0} / TwoSum(mantissa, 1.0);
    const DoubleDouble square = s * s;
    const auto& coefficients = OddReciprocals();
    DoubleDouble series = coefficients.back();
    for (std::size_t j = coefficients.size() - 1; j-- > 0;) {
        series = series * square + coefficients.at(j);
    }
    const DoubleDouble result =
        DoubleDouble{2.0 * s.hi, 2.0 * s.lo} * series + kLn2 * DoubleDouble{exponent * 1.0};
    return RoundsToHi(result) ? std::optional(result.hi) : std::nullopt;
}

// 10^e = e^t for t = e ln 10 = k ln 2 + r, |r| <= ln 2 / 2: 2^k e^r, where
// e^r - 1 comes from its series at r/256 (below 2^-106 after 11 terms) and
// eight steps of e^2x - 1 = (e^x - 1)(e^x - 1 + 2). Only where 2^k e^r is
// a normal double; near the overflow and underflow thresholds, nothing.
std::optional<double> FastTenToThePower(double exponent)
{
    const DoubleDouble t = kLn10 * DoubleDouble{exponent};
    if (!(std::fabs(t.hi) < 707.0)) {
        return std::nullopt;
    }
    const double k = std::nearbyint(t.hi / kLn2.hi);
    const DoubleDouble r = t + -(kLn2 * DoubleDouble{k});
    const DoubleDouble x{r.hi / 256.0, r.lo / 256.0};
    const auto& coefficients = InverseFactorials();
    DoubleDouble series = coefficients.back();
    for (std::size_t j = coefficients.size() - 1; j-- > 0;) {
        series = series * x + coefficients.at(j);
    }
    DoubleDouble expm1 = series * x;
    for (int step = 0; step < 8; ++step) {
        expm1 = expm1 * (expm1 + DoubleDouble{2.0});
    }
    const DoubleDouble result = DoubleDouble{1.0} + expm1;
    if (!RoundsToHi(result)) {
        return std::nullopt;
    }
    return std::ldexp(result.hi, static_cast<int>(k));
}

}  // namespace

double TenToThePower(double exponent)
{
    if (std::isnan(exponent)) {
        return exponent;
    }
    if (const auto fast = FastTenToThePower(exponent)) {
        return *fast;
    }
    return ExactTenToThePower(exponent);
}

double NaturalLogarithm(double value)
{
    if (std::isnan(value) || value < 0.0) {
        return std::nan("");
    }
    if (value == 0.0 || std::isinf(value)) {
        return value == 0.0 ? -HUGE_VAL : value;
    }
    if (const auto fast = FastNaturalLogarithm(value)) {
        return *fast;
    }
    return ExactNaturalLogarithm(value);
}

}  // namespace level
