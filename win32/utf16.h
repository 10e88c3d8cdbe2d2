#pragma once

#include <string>
#include <string_view>

namespace level::win32 {

// Conversions between the program's UTF-8 and the UTF-16 of the Windows API.
[[nodiscard]] std::wstring Widen(std::string_view text);
[[nodiscard]] std::string Narrow(std::wstring_view text);

}  // namespace level::win32
