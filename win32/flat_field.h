#pragma once

#include <windows.h>

#include <utility>

namespace level::win32 {

// A field's selection: its first character and one past its last.
[[nodiscard]] std::pair<DWORD, DWORD> Selection(HWND field);

// Gives an edit control what the window's flat fields have beyond its own:
// the border in the highlight colour while it has the focus, and the
// field's menu on a right click.
void MakeFlatField(HWND field);

}  // namespace level::win32
