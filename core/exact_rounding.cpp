#include "core/exact_rounding.h"

#include <fast_float/fast_float.h>

#include <cmath>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
// Boost.Multiprecision includes <iostream> for stream operators this
// program never uses; the standard streams' start-up would add most of a
// megabyte to the static Windows program. Its guard keeps it out.
#define _GLIBCXX_IOSTREAM 1  // NOLINT(bugprone-reserved-identifier)
#include <boost/multiprecision/cpp_int.hpp>

#include "core/logarithm_reduction.h"

namespace level {
namespace {

// Fixed-point numbers of 400 fraction bits in 1024-bit integers: every step
// below errs by at most a unit of the last bit, and none takes more than a
// few hundred steps, so each result is good to 2^-380 or so; the hardest
// cases of these functions for doubles lie no nearer than 2^-160 to a
// midpoint.
using Fixed = boost::multiprecision::number<
    boost::multiprecision::cpp_int_backend<1024, 1024, boost::multiprecision::signed_magnitude,
                                           boost::multiprecision::unchecked, void>,
    boost::multiprecision::et_off>;
constexpr int kFraction = 400;
const Fixed kOne = Fixed(1) << kFraction;

// Each product truncated toward zero, so that a series of shrinking terms
// ends in zero whatever their signs.
Fixed MultiplyTruncated(const Fixed& a, const Fixed& b)
{
    const Fixed product = abs(a * b) >> kFraction;
    return (a < 0) != (b < 0) ? Fixed(-product) : product;
}

Fixed DivideTruncated(const Fixed& a, const Fixed& b)
{
    return (a << kFraction) / b;
}

// A double as a fixed-point number (its bits below 2^-400 dropped).
Fixed FixedOf(double value)
{
    int exponent = 0;
    const double mantissa = std::frexp(value, &exponent);
    const Fixed bits(static_cast<std::int64_t>(std::ldexp(mantissa, 53)));
    const int shift = exponent - 53 + kFraction;
    return shift >= 0 ? Fixed(bits << shift) : Fixed(bits >> -shift);
}

// 2 atanh x = ln((1 + x)/(1 - x)) for |x| <= 1/3: 2 (x + x^3/3 + x^5/5 ...).
Fixed TwiceAtanh(const Fixed& x)
{
    const Fixed square = MultiplyTruncated(x, x);
    Fixed power = x;
    Fixed sum = 0;
    for (int odd = 1; power != 0; odd += 2) {
        sum += power / odd;
        power = MultiplyTruncated(power, square);
    }
    return 2 * sum;
}

const Fixed& Ln2()
{
    static const Fixed ln2 = TwiceAtanh(kOne / 3);  // ln 2 = 2 atanh(1/3)
    return ln2;
}

const Fixed& Ln10()
{
    static const Fixed ln10 = 3 * Ln2() + TwiceAtanh(kOne / 9);  // ln 10 = 3 ln 2 + ln(5/4)
    return ln10;
}

// The double nearest magnitude 2^(exponent - 400), which lies within a few
// units of its last bit of the exact value: its last kept bit is a
// double's last bit, or 2^-1074 below the normal range.
double RoundOnce(const Fixed& magnitude, int exponent)
{
    const int top = static_cast<int>(msb(magnitude));
    const int shift = std::max(top - 52, -1074 - (exponent - kFraction));
    if (shift > top + 1) {
        return 0.0;
    }
    Fixed kept = magnitude >> shift;
    const Fixed rest = magnitude - (kept << shift);
    if (2 * rest > (Fixed(1) << shift)) {
        ++kept;
    }
    return std::ldexp(static_cast<double>(kept), shift + exponent - kFraction);
}

}  // namespace

double ExactTenToThePower(double exponent)
{
    if (exponent == std::nearbyint(exponent) && std::fabs(exponent) < 400.0) {
        // 10^n is a decimal number: rounded exactly from its digits.
        const std::string digits = "1e" + std::to_string(static_cast<int>(exponent));
        double power = 0.0;
        fast_float::from_chars(digits.data(), digits.data() + digits.size(), power);
        return power;
    }
    if (std::fabs(exponent) >= 400.0) {
        return exponent > 0 ? HUGE_VAL : 0.0;  // beyond the doubles either way
    }
    // 10^e = e^t = 2^k e^r, t = e ln 10 = k ln 2 + r with |r| <= ln 2 / 2,
    // and e^r from its series.
    const Fixed t = MultiplyTruncated(FixedOf(exponent), Ln10());
    const Fixed k = (t + Ln2() / 2) / Ln2() - (t < -Ln2() / 2 ? 1 : 0);
    const Fixed r = t - k * Ln2();
    Fixed term = kOne;
    Fixed sum = kOne;
    for (int n = 1; term != 0; ++n) {
        term = MultiplyTruncated(term, r) / n;
        sum += term;
    }
    return RoundOnce(sum, static_cast<int>(k));
}

double ExactNaturalLogarithm(double value)
{
    if (value == 1.0) {
        return 0.0;
    }
    const auto [mantissa, k] = ReduceLogarithmArgument(value);
    const Fixed m = FixedOf(mantissa);
    const Fixed logarithm = k * Ln2() + TwiceAtanh(DivideTruncated(m - kOne, m + kOne));
    const double magnitude = RoundOnce(abs(logarithm), 0);
    return logarithm < 0 ? -magnitude : magnitude;
}

}  // namespace level
