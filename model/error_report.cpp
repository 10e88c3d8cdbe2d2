#include "error_report.h"

#include <string>

namespace level {

std::string FormatErrorReport(int number, std::string_view description)
{
    return "Ошибка выполнения '" + std::to_string(number) + "':\n" + std::string(description);
}

}  // namespace level
