#include "core/level_recipes.h"

#include "core/checked_arithmetic.h"
#include "core/numeric_text.h"

namespace level {
namespace {

// The constants are the converter's own, rounded as its users know them;
// the two ways of turning decibels into nepers differ in the last digit.
constexpr double kDecibelsPerNeper = 8.686;
constexpr double kNepersPerDecibel = 0.115;
constexpr double kDecibelExponentDivisor = 20.0;
constexpr double kLogarithmFactor = 8.6858;

void Write(std::string& field, double value, const RegionalSettings& settings)
{
    field = FormatCurrency(RoundToCurrency(value), settings);
}

double VoltsAtLevel(double decibels)
{
    const double exponent = CheckedDivide(decibels, kDecibelExponentDivisor);
    return CheckedMultiply(CheckedTenToThePower(exponent), kReferenceVolts);
}

}  // namespace

void ConvertFromDecibels(LevelFields& fields, const RegionalSettings& settings)
{
    double decibels = ParseDouble(fields.decibels, settings);
    Write(fields.nepers, CheckedDivide(decibels, kDecibelsPerNeper), settings);
    decibels = ParseDouble(fields.decibels, settings);
    Write(fields.volts, VoltsAtLevel(decibels), settings);
}

void ConvertFromNepers(LevelFields& fields, const RegionalSettings& settings)
{
    const double nepers = ParseDouble(fields.nepers, settings);
    Write(fields.decibels, CheckedMultiply(nepers, kDecibelsPerNeper), settings);
    const double shownDecibels = CurrencyToDouble(ParseCurrency(fields.decibels, settings));
    Write(fields.volts, VoltsAtLevel(shownDecibels), settings);
}

void ConvertFromVolts(LevelFields& fields, const RegionalSettings& settings)
{
    const double volts = ParseDouble(fields.volts, settings);
    const double logRatio = CheckedNaturalLogarithm(CheckedDivide(volts, kReferenceVolts));
    Write(fields.decibels, CheckedMultiply(logRatio, kLogarithmFactor), settings);
    const double shownDecibels = ParseDouble(fields.decibels, settings);
    Write(fields.nepers, CheckedMultiply(shownDecibels, kNepersPerDecibel), settings);
}

}  // namespace level
