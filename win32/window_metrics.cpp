#include "win32/window_metrics.h"

namespace level::win32 {

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int ClientPixelHeight(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return client.bottom;
}

void SetClientPixelHeight(HWND window, int pixels)
{
    RECT outer{};
    GetWindowRect(window, &outer);
    const int height = pixels + (outer.bottom - outer.top) - ClientPixelHeight(window);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    if (placement.showCmd == SW_SHOWNORMAL) {
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + height;
    SetWindowPlacement(window, &placement);
}

}  // namespace level::win32
