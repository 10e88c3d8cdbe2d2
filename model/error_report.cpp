#include "model/error_report.h"

#include <string>

namespace level {
namespace {

std::string_view AdviceOf(ErrorKind kind)
{
    switch (kind) {
        case ErrorKind::TypeMismatch:
            return kTypeMismatchAdvice;
        case ErrorKind::Overflow:
            return kOverflowAdvice;
        case ErrorKind::InvalidProcedureCall:
        case ErrorKind::DivisionByZero:
            return kVoltageAboveZeroAdvice;
    }
    return {};
}

}  // namespace

std::string ErrorAdvice(ErrorKind kind, const RegionalSettings& settings)
{
    std::string text(AdviceOf(kind));
    if (const std::size_t at = text.find("%1"); at != std::string::npos) {
        text.replace(at, 2, settings.decimalSeparator);
    }
    return text;
}

std::string FormatErrorReport(ErrorKind kind, const RegionalSettings& settings)
{
    return std::string(kRunTimeErrorLead) + " '" + std::to_string(ErrorNumber(kind)) + "':\n" +
           std::string(DescribeError(kind)) + "\n\n" + ErrorAdvice(kind, settings);
}

}  // namespace level
