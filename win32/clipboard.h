#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace level::win32 {

// The text on the clipboard, as Unicode text; false when the clipboard was
// not to be had within about half a second.
bool PutOnClipboard(HWND owner, std::wstring_view text);
// The clipboard's Unicode text, or "" when it holds none.
[[nodiscard]] std::wstring ClipboardText(HWND owner);

}  // namespace level::win32
