#pragma once

#include <string>
#include <string_view>

namespace level {

// The title of the error report's box, and the word on its one button.
inline constexpr std::string_view kErrorReportTitle = "Вычислитель соответствия";
inline constexpr std::string_view kErrorReportButton = "ОК";

// Where a run-time error that no handler trapped is shown to the user: its
// number and its description.
class ErrorReport {
public:
    virtual ~ErrorReport() = default;
    virtual void Report(int number, std::string_view description) = 0;
};

// What the user can do about a run-time error of this number, or "" for a
// number no conversion raises.
[[nodiscard]] std::string_view ErrorAdvice(int number);

// The text the report shows: the number on the first line, the description
// on the second, then after a blank line what to do, such as
// "Ошибка выполнения '13':\nНесоответствие типа\n\nВ поле нет числа. …".
[[nodiscard]] std::string FormatErrorReport(int number, std::string_view description);

}  // namespace level
