#pragma once

#include <windows.h>

namespace level::win32 {

// A field's menu at a point of the screen, as the Qt window's: the editing
// commands while the field is enabled, only «Копировать» while it is greyed.
// Either way, «Копировать» with nothing selected copies the whole text.
void ShowFieldMenu(HWND owner, HWND field, POINT at);

}  // namespace level::win32
