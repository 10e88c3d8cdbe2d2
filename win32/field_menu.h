#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace level::win32 {

// A field's menu at a point of the screen (model/field_menu.h), given the
// window's result line where the fields are one result.
void ShowFieldMenu(HWND owner, HWND field, POINT at, const std::optional<std::string>& resultLine);

// What Ctrl+C does in a field: what its menu's item marked with it does.
void CopyFromField(HWND owner, HWND field);

}  // namespace level::win32
