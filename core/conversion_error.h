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

// Raised by every numeric operation that cannot give a result. It carries the
// run-time error number and a Russian description for the report.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(ErrorKind kind);

    [[nodiscard]] ErrorKind kind() const noexcept { return kind_; }
    [[nodiscard]] int number() const noexcept { return static_cast<int>(kind_); }
    [[nodiscard]] std::string_view description() const noexcept;

private:
    ErrorKind kind_;
};

[[nodiscard]] std::string_view DescribeError(ErrorKind kind) noexcept;

}  // namespace level
