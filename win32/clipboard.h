#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string_view>

namespace level::win32 {

// The text on the clipboard, as Unicode text; false when the clipboard was
// not to be had within about half a second.
bool PutOnClipboard(HWND owner, std::wstring_view text);

// The length of the clipboard's Unicode text, in UTF-16 code units; none
// where it holds no text or was not to be had.
std::optional<std::size_t> ClipboardTextLength(HWND owner);

}  // namespace level::win32
