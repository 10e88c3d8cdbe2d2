#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace level::win32 {

// Conversions between the program's UTF-8 and the UTF-16 of the Windows API.
[[nodiscard]] std::wstring Widen(std::string_view text);
[[nodiscard]] std::string Narrow(std::wstring_view text);
// A window's text (a field's text, a caption), as the API gives it.
[[nodiscard]] std::wstring WindowText(HWND window);

}  // namespace level::win32
