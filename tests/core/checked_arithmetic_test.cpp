#include <cmath>
#include <functional>
#include <limits>
#include <optional>

#include <gtest/gtest.h>

#include "core/checked_arithmetic.h"
#include "test_support.h"

namespace level {
namespace {

using testing::KindName;
using testing::RaisedKind;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct StepCase {
    const char* name;
    std::function<double()> step;
    std::optional<ErrorKind> raised;
};

class FloatingPointStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(FloatingPointStep, RaisesOnlyForTheConditionsThatCount)
{
    EXPECT_EQ(KindName(RaisedKind(GetParam().step)), KindName(GetParam().raised))
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, FloatingPointStep,
    ::testing::Values(
        StepCase{"1/0", [] { return CheckedDivide(1.0, 0.0); }, ErrorKind::DivisionByZero},
        StepCase{"-1/0", [] { return CheckedDivide(-1.0, 0.0); }, ErrorKind::DivisionByZero},
        StepCase{"0/0", [] { return CheckedDivide(0.0, 0.0); }, ErrorKind::Overflow},
        StepCase{"big/small", [] { return CheckedDivide(1e308, 1e-10); }, ErrorKind::Overflow},
        StepCase{"big*10", [] { return CheckedMultiply(1e308, 10.0); }, ErrorKind::Overflow},
        StepCase{"underflow", [] { return CheckedMultiply(1e-308, 1e-308); }, std::nullopt},
        StepCase{"inexact", [] { return CheckedDivide(1.0, 3.0); }, std::nullopt},
        StepCase{"10^400", [] { return CheckedTenToThePower(400.0); }, ErrorKind::Overflow},
        StepCase{"10^-400", [] { return CheckedTenToThePower(-400.0); }, std::nullopt},
        StepCase{"ln 0", [] { return CheckedNaturalLogarithm(0.0); },
                 ErrorKind::InvalidProcedureCall},
        StepCase{"ln -0", [] { return CheckedNaturalLogarithm(-0.0); },
                 ErrorKind::InvalidProcedureCall},
        StepCase{"ln -1", [] { return CheckedNaturalLogarithm(-1.0); },
                 ErrorKind::InvalidProcedureCall},
        StepCase{"ln NaN", [] { return CheckedNaturalLogarithm(kNaN); },
                 ErrorKind::InvalidProcedureCall},
        StepCase{"ln tiny", [] { return CheckedNaturalLogarithm(5e-324); }, std::nullopt}));

}  // namespace
}  // namespace level
