#pragma once

#include <string>

#include "core/conversion_error.h"
#include "core/regional_settings.h"
#include "model/window_texts.h"

namespace level {

// Where a run-time error that no handler trapped is shown to the user: its
// number and its description, with advice in the user's own notation
// (FormatErrorReport).
class ErrorReport {
public:
    virtual ~ErrorReport() = default;
    virtual void Report(ErrorKind kind, const RegionalSettings& settings) = 0;
};

// What the user can do about a run-time error of this kind, naming the
// user's decimal separator where it matters.
[[nodiscard]] std::string ErrorAdvice(ErrorKind kind, const RegionalSettings& settings);

// The text the report shows: the number on the first line, the description
// on the second, then after a blank line what to do, such as
// "Ошибка выполнения '13':\nНесоответствие типа\n\nВ поле нет числа. …".
[[nodiscard]] std::string FormatErrorReport(ErrorKind kind, const RegionalSettings& settings);

}  // namespace level
