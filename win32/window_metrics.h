#pragma once

#include <windows.h>

namespace level::win32 {

// The screen's dots per inch, as the system gives them to this program.
[[nodiscard]] int ScreenDpi();

[[nodiscard]] int ClientPixelHeight(HWND window);

// Gives the window this client height, keeping whatever frame the system
// draws; a maximised or minimised window keeps its state, and the height
// goes to the size it has when restored.
void SetClientPixelHeight(HWND window, int pixels);

}  // namespace level::win32
