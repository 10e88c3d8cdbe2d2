#pragma once

#include <windows.h>

#include <vector>

namespace level::win32 {

// An option button that tells a click by the user from a focus: Windows may
// send a click notification (and check the button first) when an option
// merely receives the focus, at start, on Tab or when the window is
// activated. Only the release of the mouse button on it (BM_CLICK sends
// one: a click, or an arrow key through the dialog manager) and of Space
// select an option.
void WatchForUserClicks(HWND option);

// Whether the option is handling a click by the user just now.
[[nodiscard]] bool IsClickedByUser(HWND option);

// The arrow keys move through the option group in tab order, wrapping
// within it, and click each option reached, as the Qt window does: done
// here, whether or not the dialog manager would click it or leave that to
// the focus (which selects nothing). False for another key, or with the
// focus outside the group.
bool ClickTheNextOption(const std::vector<HWND>& group, WPARAM key);

}  // namespace level::win32
