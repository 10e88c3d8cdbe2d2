#pragma once

#include <windows.h>

namespace level::win32 {

// The window's two icons, loaded from the program's resources at the sizes
// the system draws icons at on a screen of the window's DPI, so that
// Windows picks the nearer image and scales from it.
class WindowIcons {
public:
    WindowIcons() = default;
    ~WindowIcons();
    WindowIcons(const WindowIcons&) = delete;
    WindowIcons& operator=(const WindowIcons&) = delete;

    // Loads them for this DPI and gives them to the window.
    void Load(HWND window, int dpi);

private:
    HICON big_ = nullptr;
    HICON small_ = nullptr;
};

}  // namespace level::win32
