#include "win32/window_icons.h"

#include <utility>

#include "win32/window_metrics.h"

namespace level::win32 {
namespace {

constexpr int kIconResource = 1;

// A system size at a DPI: Windows 10's own answer where it has one, else
// the system DPI's size scaled.
int SystemSizeAt(int metric, int dpi)
{
    using ForDpi = int(WINAPI*)(int, UINT);
    static const auto forDpi = reinterpret_cast<ForDpi>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    if (forDpi != nullptr) {
        return forDpi(metric, static_cast<UINT>(dpi));
    }
    return MulDiv(GetSystemMetrics(metric), dpi, ScreenDpi());
}

HICON LoadIconAt(int width, int height)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource),
                                         IMAGE_ICON, width, height, 0));
}

}  // namespace

void WindowIcons::Load(HWND window, int dpi)
{
    Icon big(LoadIconAt(SystemSizeAt(SM_CXICON, dpi), SystemSizeAt(SM_CYICON, dpi)));
    Icon little(LoadIconAt(SystemSizeAt(SM_CXSMICON, dpi), SystemSizeAt(SM_CYSMICON, dpi)));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(little.get()));
    // The icons the window had until now are destroyed only once it no
    // longer shows them.
    big_ = std::move(big);
    small_ = std::move(little);
}

}  // namespace level::win32
