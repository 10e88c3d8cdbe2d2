#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace level::win32 {

// The window's two icons, loaded from the program's resources at the sizes
// the system draws icons at on a screen of the window's DPI, so that
// Windows picks the nearer image and scales from it.
class WindowIcons {
public:
    // Loads them for this DPI and gives them to the window.
    void Load(HWND window, int dpi);

private:
    struct DestroyIconOf {
        void operator()(HICON icon) const { DestroyIcon(icon); }
    };
    using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, DestroyIconOf>;

    Icon big_;
    Icon small_;
};

}  // namespace level::win32
