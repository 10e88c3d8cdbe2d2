#pragma once

#include <string>
#include <string_view>

namespace level {

// The title of the error report's box.
inline constexpr std::string_view kErrorReportTitle = "Вычислитель соответствия";

// Where a run-time error that no handler trapped is shown to the user: its
// number and its description.
class ErrorReport {
public:
    virtual ~ErrorReport() = default;
    virtual void Report(int number, std::string_view description) = 0;
};

// The text the report shows: the number on the first line, the description
// on the second, such as "Ошибка выполнения '13':\nНесоответствие типа".
[[nodiscard]] std::string FormatErrorReport(int number, std::string_view description);

}  // namespace level
