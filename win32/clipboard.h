#pragma once

#include <windows.h>

#include <string_view>

namespace level::win32 {

// The text on the clipboard, as Unicode text; false when the clipboard was
// not to be had within about half a second.
bool PutOnClipboard(HWND owner, std::wstring_view text);

}  // namespace level::win32
