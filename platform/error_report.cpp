#include "error_report.h"

#include <iostream>
#include <string>

namespace level {

std::string FormatErrorReport(int number, std::string_view description)
{
    return "Ошибка выполнения '" + std::to_string(number) + "':\n" + std::string(description);
}

void StandardErrorReport::Report(int number, std::string_view description)
{
    std::cerr << FormatErrorReport(number, description) << '\n';
}

}  // namespace level
