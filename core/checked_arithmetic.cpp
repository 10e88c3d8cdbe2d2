#include "core/checked_arithmetic.h"

#include <cmath>

#include "core/conversion_error.h"
#include "core/correctly_rounded.h"

namespace level {
namespace {

// The conditions are read off the operands and the result rather than off the
// floating-point status flags: the compiler may move arithmetic across the
// <cfenv> calls, while the operands and result say the same thing reliably.
double CheckResult(double result, double left, double right)
{
    const bool operandsFinite = std::isfinite(left) && std::isfinite(right);
    const bool operandsNumbers = !std::isnan(left) && !std::isnan(right);
    if (std::isinf(result) && operandsFinite) {
        throw ConversionError(ErrorKind::Overflow);
    }
    if (std::isnan(result) && operandsNumbers) {
        throw ConversionError(ErrorKind::Overflow);
    }
    return result;
}

}  // namespace

double CheckedMultiply(double left, double right)
{
    return CheckResult(left * right, left, right);
}

double CheckedDivide(double dividend, double divisor)
{
    if (divisor == 0.0 && std::isfinite(dividend) && dividend != 0.0) {
        throw ConversionError(ErrorKind::DivisionByZero);
    }
    return CheckResult(dividend / divisor, dividend, divisor);
}

double CheckedTenToThePower(double exponent)
{
    const double result = TenToThePower(exponent);
    if (!std::isfinite(result)) {
        throw ConversionError(ErrorKind::Overflow);
    }
    return result;
}

double CheckedNaturalLogarithm(double value)
{
    if (!(value > 0.0)) {
        throw ConversionError(ErrorKind::InvalidProcedureCall);
    }
    return NaturalLogarithm(value);
}

}  // namespace level
