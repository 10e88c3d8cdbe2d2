#include "core/conversion_error.h"

#include <string>

namespace level {

std::string_view DescribeError(ErrorKind kind) noexcept
{
    switch (kind) {
        case ErrorKind::InvalidProcedureCall:
            return "Недопустимый вызов процедуры или аргумент";
        case ErrorKind::Overflow:
            return "Переполнение";
        case ErrorKind::DivisionByZero:
            return "Деление на ноль";
        case ErrorKind::TypeMismatch:
            return "Несоответствие типа";
    }
    return "Неизвестная ошибка";
}

ConversionError::ConversionError(ErrorKind kind)
    : std::runtime_error(std::string(DescribeError(kind))), kind_(kind)
{
}

}  // namespace level
