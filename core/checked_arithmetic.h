#pragma once

namespace level {

// Floating-point steps that raise ConversionError where the hardware would
// raise a floating-point exception. Each result is checked for the three
// conditions that count: division by zero (DivisionByZero), overflow and an
// invalid operation (both Overflow). Underflow and inexact results pass.

[[nodiscard]] double CheckedMultiply(double left, double right);
[[nodiscard]] double CheckedDivide(double dividend, double divisor);

// Ten raised to exponent, correctly rounded (TenToThePower); Overflow when the result is
// not finite.
[[nodiscard]] double CheckedTenToThePower(double exponent);

// The natural logarithm, correctly rounded (NaturalLogarithm); InvalidProcedureCall for an
// argument that is zero, negative or not a number.
[[nodiscard]] double CheckedNaturalLogarithm(double value);

}  // namespace level
