#pragma once

#include <stdexcept>
#include <string_view>

namespace level {

// The kinds of failure a numeric operation can raise. Each value is the
// run-time error number the user sees in the error report.
enum class ErrorKind : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
};

// The run-time error number of a kind, as the user reads it.
[[nodiscard]] constexpr int ErrorNumber(ErrorKind kind) noexcept
{
    return static_cast<int>(kind);
}

// The platform's Russian description of a kind, as the report shows it.
[[nodiscard]] std::string_view DescribeError(ErrorKind kind) noexcept;

// Raised by every numeric operation that cannot give a result; what() is
// the kind's description.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(ErrorKind kind);

    [[nodiscard]] ErrorKind kind() const noexcept { return kind_; }

private:
    ErrorKind kind_;
};

}  // namespace level
