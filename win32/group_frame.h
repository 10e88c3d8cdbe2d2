#pragma once

#include <windows.h>

namespace level::win32 {

// Has a group box paint itself as Windows paints one, its caption measured
// with the font the control was given (WM_SETFONT): the visual style's
// frame (or the classic etched one), its top line through the middle of the
// caption's line, broken for the caption's whole width and a margin either
// side. Wine's own painting leaves the frame's line touching the caption's
// last letter.
void MakeGroupFrame(HWND frame);

}  // namespace level::win32
