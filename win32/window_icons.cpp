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

WindowIcons::~WindowIcons()
{
    for (HICON icon : {big_, small_}) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
}

void WindowIcons::Load(HWND window, int dpi)
{
    HICON big = LoadIconAt(SystemSizeAt(SM_CXICON, dpi), SystemSizeAt(SM_CYICON, dpi));
    HICON little = LoadIconAt(SystemSizeAt(SM_CXSMICON, dpi), SystemSizeAt(SM_CYSMICON, dpi));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(little));
    for (HICON old : {std::exchange(big_, big), std::exchange(small_, little)}) {
        if (old != nullptr) {
            DestroyIcon(old);
        }
    }
}

}  // namespace level::win32
