#pragma once

namespace level {

// A number held as the unevaluated sum of two doubles, hi + lo, with
// |lo| <= half an ulp of hi: about 106 bits. The operations are the error-
// free transformations of Dekker and Knuth and the accurate double-double
// algorithms of the QD library (Hida, Li and Bailey), which need no fused
// multiply-add, so that they give the same bits on every build; each
// result's relative error is below 2^-102 for operands far from the
// overflow and underflow thresholds, which is all this converter gives
// them.
struct DoubleDouble {
    double hi = 0.0;
    double lo = 0.0;
};

// a + b exactly, as the rounded sum and its error.
[[nodiscard]] constexpr DoubleDouble TwoSum(double a, double b)
{
    const double sum = a + b;
    const double bPart = sum - a;
    return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// a + b exactly where |a| >= |b|.
[[nodiscard]] constexpr DoubleDouble FastTwoSum(double a, double b)
{
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// a * b exactly, by Veltkamp's split of each factor into two halves of 26
// bits whose products are exact.
[[nodiscard]] constexpr DoubleDouble TwoProduct(double a, double b)
{
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    auto split = [](double x) {
        const double scaled = kSplitter * x;
        const double high = scaled - (scaled - x);
        return DoubleDouble{high, x - high};
    };
    const double product = a * b;
    const DoubleDouble x = split(a);
    const DoubleDouble y = split(b);
    return {product, ((x.hi * y.hi - product) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

[[nodiscard]] constexpr DoubleDouble operator+(DoubleDouble a, DoubleDouble b)
{
    const DoubleDouble high = TwoSum(a.hi, b.hi);
    const DoubleDouble low = TwoSum(a.lo, b.lo);
    const DoubleDouble first = FastTwoSum(high.hi, high.lo + low.hi);
    return FastTwoSum(first.hi, first.lo + low.lo);
}

[[nodiscard]] constexpr DoubleDouble operator-(DoubleDouble a)
{
    return {-a.hi, -a.lo};
}

[[nodiscard]] constexpr DoubleDouble operator*(DoubleDouble a, DoubleDouble b)
{
    const DoubleDouble product = TwoProduct(a.hi, b.hi);
    return FastTwoSum(product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi));
}

[[nodiscard]] constexpr DoubleDouble operator/(DoubleDouble a, DoubleDouble b)
{
    // Two quotient digits, each corrected by the exact remainder.
    const double first = a.hi / b.hi;
    const DoubleDouble rest = a + -(b * DoubleDouble{first});
    const double second = rest.hi / b.hi;
    const DoubleDouble remainder = rest + -(b * DoubleDouble{second});
    return FastTwoSum(first, second) + DoubleDouble{remainder.hi / b.hi};
}

}  // namespace level
