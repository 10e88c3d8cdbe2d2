#include "error_report.h"

#include <array>
#include <string>
#include <utility>

namespace level {
namespace {

constexpr std::string_view kVoltageAboveZero =
    "Напряжение должно быть больше нуля. Введите положительное число вольт.";

// Each number a conversion raises, with what the user can do about it.
constexpr std::array<std::pair<int, std::string_view>, 4> kAdvice = {{
    {13,
     "В поле нет числа. Введите число цифрами, например 10; дробную часть "
     "отделяйте десятичным разделителем из региональных настроек системы."},
    {6,
     "Значение по модулю слишком велико: окно не может его показать. "
     "Введите число поменьше."},
    {5, kVoltageAboveZero},
    {11, kVoltageAboveZero},
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
    std::string text =
        "Ошибка выполнения '" + std::to_string(number) + "':\n" + std::string(description);
    if (const std::string_view advice = ErrorAdvice(number); !advice.empty()) {
        text += "\n\n";
        text += advice;
    }
    return text;
}

}  // namespace level
