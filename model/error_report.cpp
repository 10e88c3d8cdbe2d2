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

std::string ErrorAdvice(int number, const RegionalSettings& settings)
{
    for (const auto& [known, advice] : kAdvice) {
        if (known == number) {
            std::string text(advice);
            if (const std::size_t at = text.find("%1"); at != std::string::npos) {
                text.replace(at, 2, settings.decimalSeparator);
            }
            return text;
        }
    }
    return {};
}

std::string FormatErrorReport(int number, std::string_view description,
                              const RegionalSettings& settings)
{
    std::string text = std::string(kRunTimeErrorLead) + " '" + std::to_string(number) + "':\n" +
                       std::string(description);
    if (const std::string advice = ErrorAdvice(number, settings); !advice.empty()) {
        text += "\n\n";
        text += advice;
    }
    return text;
}

}  // namespace level
