#pragma once

#include <windows.h>

namespace level::win32 {

// Whether any of a field's text is selected.
[[nodiscard]] bool HasSelection(HWND field);

// Gives an edit control what the window's flat fields have beyond its own:
// the border in the highlight colour while it has the focus, and the
// field's menu on a right click.
void MakeFlatField(HWND field);

}  // namespace level::win32
