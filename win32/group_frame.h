#pragma once

#include <windows.h>

namespace level::win32 {

// Has a group box paint itself as Windows paints one, its caption measured
// with the font the control was given (WM_SETFONT): the etched frame, its
// top line through the middle of the caption's line, broken for the
// caption's whole width. Wine's own painting measures the caption otherwise
// and runs the frame's line through its last letter.
void MakeGroupFrame(HWND frame);

}  // namespace level::win32
