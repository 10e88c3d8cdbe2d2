#pragma once

#include <windows.h>

#include <string>

namespace level::win32 {

// A field's whole text, and whether any of it is selected.
[[nodiscard]] std::wstring FieldText(HWND field);
[[nodiscard]] bool HasSelection(HWND field);

// Gives an edit control what the window's flat fields have beyond its own:
// the border in the highlight colour while it has the focus, and the
// field's menu on a right click.
void MakeFlatField(HWND field);

}  // namespace level::win32
