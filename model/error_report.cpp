#include "model/error_report.h"

#include <array>
#include <string>
#include <utility>

namespace level {
namespace {

// Each number a conversion raises, with what the user can do about it.
constexpr std::array<std::pair<int, std::string_view>, 4> kAdvice = {{
    {13, kTypeMismatchAdvice},
    {6, kOverflowAdvice},
    {5, kVoltageAboveZeroAdvice},
    {11, kVoltageAboveZeroAdvice},
}};

}  // namespace

std::string_view ErrorAdvice(int number)
{
    for (const auto& [known, advice] : kAdvice) {
        if (known == number) {
            return advice;
        }
    }
    return {};
}

std::string FormatErrorReport(int number, std::string_view description)
{
    std::string text = std::string(kRunTimeErrorLead) + " '" + std::to_string(number) + "':\n" +
                       std::string(description);
    if (const std::string_view advice = ErrorAdvice(number); !advice.empty()) {
        text += "\n\n";
        text += advice;
    }
    return text;
}

}  // namespace level
