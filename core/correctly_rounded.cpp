#include "core/correctly_rounded.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

#include "core/double_double.h"
#include "core/exact_rounding.h"
#include "core/logarithm_reduction.h"

namespace level {
namespace {

constexpr DoubleDouble kLn2{0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};
constexpr DoubleDouble kLn10{0x1.26bb1bbb55516p+1, -0x1.f48ad494ea3e9p-53};

// The bound the double-double evaluations are trusted to, relative to the
// result. Each double-double operation errs by less than 2^-102 and each
// constant by less than 2^-106; a logarithm takes about 45 operations, a
// power about 40, and in neither does an error grow on its way (the
// exponential's squarings keep e^x - 1, whose relative error they do not
// amplify). So each errs by less than 2^-95; 2^-85 leaves a margin of a
// thousand.
constexpr double kDoubleDoubleError = 0x1p-85;

// A double's bits and back (std::bit_cast, which Emscripten's libc++ lacks).
std::uint64_t BitsOf(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}
double FromBits(std::uint64_t bits)
{
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Whether hi is the double nearest every number within a relative error
// bound of hi + lo: hi + lo lies that far inside hi's rounding interval.
// The neighbours of a normal hi are the doubles whose bits are one apart.
bool RoundsToHi(DoubleDouble value, double bound)
{
    const double magnitude = std::fabs(value.hi);
    const std::uint64_t bits = BitsOf(magnitude);
    const double above = FromBits(bits + 1) - magnitude;
    const double below = magnitude - FromBits(bits - 1);
    const double lo = value.hi < 0 ? -value.lo : value.lo;
    const double margin = bound * magnitude;
    return std::isnormal(value.hi) && lo + margin < above / 2 && lo - margin > -below / 2;
}

// x rounded to the nearest integer, ties to even, for |x| < 2^51: adding
// and taking away 1.5 * 2^52 leaves no fraction.
double NearestInteger(double x)
{
    constexpr double kShift = 0x1.8p52;
    return (x + kShift) - kShift;
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

// ln(m 2^k) for m in [1/sqrt 2, sqrt 2) in double-double: ln m = 2 atanh s
// for s = (m - 1)/(m + 1), |s| < 0.172, whose series has dropped below
// 2^-106 after 21 terms. m - 1 is exact (Sterbenz).
DoubleDouble AtanhLogarithm(double mantissa, int exponent)
{
    const DoubleDouble s = DoubleDouble{mantissa - 1.0} / TwoSum(mantissa, 1.0);
    const DoubleDouble square = s * s;
    const auto& coefficients = OddReciprocals();
    DoubleDouble series = coefficients.back();
    for (std::size_t j = coefficients.size() - 1; j-- > 0;) {
        series = series * square + coefficients.at(j);
    }
    return DoubleDouble{2.0 * s.hi, 2.0 * s.lo} * series + kLn2 * DoubleDouble{exponent * 1.0};
}

// ln x for a positive finite x, x = m 2^k as the reduction gives it.
std::optional<double> FastNaturalLogarithm(double value)
{
    const auto [mantissa, exponent] = ReduceLogarithmArgument(value);
    const DoubleDouble result = AtanhLogarithm(mantissa, exponent);
    return RoundsToHi(result, kDoubleDoubleError) ? std::optional(result.hi) : std::nullopt;
}

// e^r for |r| <= ln 2 in double-double: e^r - 1 from its series at r/256
// (below 2^-106 after 11 terms) and eight steps of
// e^2x - 1 = (e^x - 1)(e^x - 1 + 2).
DoubleDouble ExpOfReduced(DoubleDouble r)
{
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
    return DoubleDouble{1.0} + expm1;
}

// 10^e = e^t for t = e ln 10 = k ln 2 + r, |r| <= ln 2 / 2: 2^k e^r. Only
// where 2^k e^r is a normal double; near the overflow and underflow
// thresholds, nothing.
std::optional<double> FastTenToThePower(double exponent)
{
    const DoubleDouble t = kLn10 * DoubleDouble{exponent};
    if (!(std::fabs(t.hi) < 707.0)) {
        return std::nullopt;
    }
    const double k = NearestInteger(t.hi / kLn2.hi);
    const DoubleDouble result = ExpOfReduced(t + -(kLn2 * DoubleDouble{k}));
    if (!RoundsToHi(result, kDoubleDoubleError)) {
        return std::nullopt;
    }
    return std::ldexp(result.hi, static_cast<int>(k));
}

// The quick evaluations: double arithmetic where the terms are small,
// double-double where they are not, and tables, to an error bound (below)
// that settles the rounding of all but about one argument in a thousand;
// the double-double evaluations above take the rest.

// x split exactly into a head of 26 bits and a tail, as TwoProduct splits
// its factors.
DoubleDouble Split(double x)
{
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    const double scaled = kSplitter * x;
    const double head = scaled - (scaled - x);
    return {head, x - head};
}

// 2^(j/128), j = 0 to 127, each in double-double from ExpOfReduced, with
// its head split for exact products.
struct PowerOfTwoStep {
    DoubleDouble power;
    DoubleDouble head;  // power.hi split
};
const std::array<PowerOfTwoStep, 128>& PowersOfTwoBy128()
{
    static const std::array<PowerOfTwoStep, 128> table = [] {
        std::array<PowerOfTwoStep, 128> steps{};
        for (std::size_t j = 0; j < steps.size(); ++j) {
            const DoubleDouble power =
                ExpOfReduced(kLn2 * DoubleDouble{static_cast<double>(j) / 128.0});
            steps.at(j) = {power, Split(power.hi)};
        }
        return steps;
    }();
    return table;
}

// 2^n for an n that gives a normal double.
double PowerOfTwo(std::int64_t n)
{
    return FromBits(static_cast<std::uint64_t>(n + 1023) << 52);
}

// The quick power's steps, for 10^e = 2^m 2^(j/128) 10^u with
// n = 128 m + j the integer nearest e 128 log2 10 and
// u = e - n log10(2)/128, |u| <= log10(2)/256 < 2^-9.7:
//  - log10(2)/128 = kStep + kStepTail, kStep of 33 bits, so that n kStep
//    is exact for |n| < 2^17 and e - n kStep is exact (Sterbenz); the
//    tail's product errs by less than 2^-81;
//  - w = u ln 10, |w| < 2^-8.5, with ln 10 = kLn10Head + kLn10Tail, the
//    head of 26 bits, so that its product with u's head of 26 bits is
//    exact; the rest errs by less than 2^-80;
//  - e^w - 1 = w + q, q from w^2/2 to w^6/720 in double, |q| < 2^-18: its
//    rounding errs by less than 2^-69, the series' tail by less than 2^-71;
//  - 2^(j/128)(1 + w + q), the product of the table's head and w's exact
//    and the small terms summed in double, which errs by less than 2^-67.
// All told less than 2^-66 of the result; 2^-63 leaves a margin of eight.
constexpr double kStepsPerExponent = 0x1.a934f0979a371p+8;  // 128 log2 10
constexpr double kStep = 0x1.3441350ap-9;
constexpr double kStepTail = -0x1.0c0219dc1da99p-46;
constexpr double kLn10Head = 0x1.26bb1bcp+1;
constexpr double kLn10Tail = -0x1.2aaba9f48ad49p-29;
constexpr double kQuickPowerError = 0x1p-63;

// ln 2 = kLn2Head + kLn2Tail, the head of 42 bits, so that its product with
// an exponent below 2^11 is exact.
constexpr double kLn2Head = 0x1.62e42fefa38p-1;
constexpr double kLn2Tail = 0x1.ef35793c7673p-45;

// For a mantissa m in [1/sqrt 2, sqrt 2), the nearest c = i/128 and its
// reciprocal r to ten bits (1 where c is 1), so that the product of r and
// m's head of 42 bits is exact; with -ln r in double-double from the atanh
// series above.
struct LogarithmStep {
    double reciprocal = 0.0;
    DoubleDouble logarithm;
};
constexpr int kFirstStep = 90;  // 128/sqrt 2 = 90.5
const std::array<LogarithmStep, 92>& LogarithmSteps()
{
    static const std::array<LogarithmStep, 92> table = [] {
        std::array<LogarithmStep, 92> steps{};
        for (std::size_t j = 0; j < steps.size(); ++j) {
            const double c = static_cast<double>(kFirstStep + static_cast<int>(j)) / 128.0;
            const double reciprocal = NearestInteger(1024.0 / c) / 1024.0;
            steps.at(j) = {reciprocal, -AtanhLogarithm(reciprocal, 0)};
        }
        return steps;
    }();
    return table;
}

// The quick logarithm's steps, for ln x = k ln 2 - ln r + ln(1 + z),
// z = m r - 1, |z| < 2^-7.4:
//  - z exactly, from m's head (m rounded to a multiple of 2^-41) and tail;
//  - ln(1 + z) = z - z^2/2 + z^3 (1/3 - z/4 + ... + z^6/9), the square of
//    z's head of 26 bits exact, the rest in double: it errs by less than
//    2^-75, the series' tail by less than 2^-77;
//  - the large terms summed exactly, the small ones in double, which errs
//    by less than 2^-73.
// Where r is not 1, |ln x| > 2^-8, so the error relative to the result is
// below 2^-64.5; where it is, every error is smaller still relative to z.
// 2^-62 leaves a margin of five.
constexpr double kQuickLogarithmError = 0x1p-62;

}  // namespace

std::optional<double> QuickTenToThePower(double exponent)
{
    if (!(std::fabs(exponent) < 307.0)) {
        return std::nullopt;
    }
    const double n = NearestInteger(exponent * kStepsPerExponent);
    const DoubleDouble u = TwoSum(exponent - n * kStep, -n * kStepTail);
    const DoubleDouble uHead = Split(u.hi);
    const DoubleDouble w =
        FastTwoSum(uHead.hi * kLn10Head,
                   uHead.hi * kLn10Tail + uHead.lo * (kLn10Head + kLn10Tail) + u.lo * kLn10Head);
    const double x = w.hi;
    const double square = x * x;
    const double q = square * ((0.5 + x * (1.0 / 6)) +
                               square * ((1.0 / 24 + x * (1.0 / 120)) + square * (1.0 / 720))) +
                     x * w.lo;
    const auto index = static_cast<std::int64_t>(n);
    const PowerOfTwoStep& step = PowersOfTwoBy128()[static_cast<std::size_t>(index & 127)];
    // The table's head times w's head, exactly.
    const DoubleDouble xHead = Split(x);
    const double product = step.power.hi * x;
    const double productError =
        ((step.head.hi * xHead.hi - product) + step.head.hi * xHead.lo + step.head.lo * xHead.hi) +
        step.head.lo * xHead.lo;
    const DoubleDouble sum = FastTwoSum(step.power.hi, product);
    const double small =
        sum.lo + productError + step.power.lo + step.power.hi * (w.lo + q) + step.power.lo * x;
    const DoubleDouble result = FastTwoSum(sum.hi, small);
    if (!RoundsToHi(result, kQuickPowerError)) {
        return std::nullopt;
    }
    return result.hi * PowerOfTwo(index >> 7);
}

std::optional<double> QuickNaturalLogarithm(double value)
{
    if (!std::isnormal(value) || value < 0.0) {
        return std::nullopt;
    }
    // value = m 2^k, m in [1/sqrt 2, sqrt 2), from the bits.
    const std::uint64_t bits = BitsOf(value);
    auto exponent = static_cast<std::int64_t>(bits >> 52) - 1023;
    double mantissa = FromBits((bits & 0x000FFFFFFFFFFFFFu) | 0x3FF0000000000000u);
    if (mantissa >= 1.41421356237309504880) {
        mantissa /= 2.0;
        ++exponent;
    }
    const auto index = static_cast<std::size_t>(NearestInteger(mantissa * 128.0) - kFirstStep);
    const LogarithmStep& step = LogarithmSteps()[index];
    constexpr double kHeadShift = 0x1p11;  // leaves m a multiple of 2^-41
    const double mantissaHead = (mantissa + kHeadShift) - kHeadShift;
    const DoubleDouble z =
        TwoSum(mantissaHead * step.reciprocal - 1.0, (mantissa - mantissaHead) * step.reciprocal);
    const double x = z.hi;
    const DoubleDouble xHead = Split(x);
    const double square = x * x;
    const double rest = square * x *
                            (((1.0 / 3 - x * 0.25) + square * (0.2 - x * (1.0 / 6))) +
                             square * square * ((1.0 / 7 - x * 0.125) + square * (1.0 / 9))) -
                        x * z.lo - xHead.lo * (x + xHead.hi) / 2;
    const auto k = static_cast<double>(exponent);
    const DoubleDouble first = TwoSum(k * kLn2Head, step.logarithm.hi);
    const DoubleDouble second = TwoSum(first.hi, x);
    const DoubleDouble third = TwoSum(second.hi, -(xHead.hi * xHead.hi) / 2);
    const double small =
        first.lo + second.lo + third.lo + k * kLn2Tail + step.logarithm.lo + z.lo + rest;
    const DoubleDouble result = FastTwoSum(third.hi, small);
    return RoundsToHi(result, kQuickLogarithmError) ? std::optional(result.hi) : std::nullopt;
}

double TenToThePower(double exponent)
{
    if (std::isnan(exponent)) {
        return exponent;
    }
    if (const auto quick = QuickTenToThePower(exponent)) {
        return *quick;
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
    if (const auto quick = QuickNaturalLogarithm(value)) {
        return *quick;
    }
    if (const auto fast = FastNaturalLogarithm(value)) {
        return *fast;
    }
    return ExactNaturalLogarithm(value);
}

}  // namespace level
