#pragma once

#include <string>
#include <string_view>

#include "core/regional_settings.h"
#include "model/window_texts.h"

namespace level {

// Where a run-time error that no handler trapped is shown to the user: its
// number and its description, with advice in the user's own notation.
class ErrorReport {
public:
    virtual ~ErrorReport() = default;
    virtual void Report(int number, std::string_view description,
                        const RegionalSettings& settings) = 0;
};

// What the user can do about a run-time error of this number, naming the
// user's decimal separator where it matters, or "" for a number no
// conversion raises.
[[nodiscard]] std::string ErrorAdvice(int number, const RegionalSettings& settings);

// The text the report shows: the number on the first line, the description
// on the second, then after a blank line what to do, such as
// "Ошибка выполнения '13':\nНесоответствие типа\n\nВ поле нет числа. …".
[[nodiscard]] std::string FormatErrorReport(int number, std::string_view description,
                                            const RegionalSettings& settings);

}  // namespace level
