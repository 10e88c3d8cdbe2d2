#pragma once

#include <windows.h>

namespace level::win32 {

// An option button that tells a click by the user from a focus: Windows may
// send a click notification (and check the button first) when an option
// merely receives the focus, at start, on Tab or when the window is
// activated. Only the release of the mouse button on it (BM_CLICK sends
// one: a click, or an arrow key) and of Space select an option.
void WatchForUserClicks(HWND option);

// Whether the option is handling a click by the user just now.
[[nodiscard]] bool IsClickedByUser(HWND option);

}  // namespace level::win32
