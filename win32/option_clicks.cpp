#include "win32/option_clicks.h"

#include <commctrl.h>

#include <utility>

namespace level::win32 {
namespace {

// The option whose click by the user is being handled; the window has one
// thread, the window's.
HWND clicking = nullptr;

LRESULT CALLBACK OptionProcedure(HWND option, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR /*id*/, DWORD_PTR /*data*/)
{
    if (message == WM_LBUTTONUP || (message == WM_KEYUP && wParam == VK_SPACE)) {
        HWND outer = std::exchange(clicking, option);
        const LRESULT result = DefSubclassProc(option, message, wParam, lParam);
        clicking = outer;
        return result;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(option, &OptionProcedure, 0);
    }
    return DefSubclassProc(option, message, wParam, lParam);
}

}  // namespace

void WatchForUserClicks(HWND option)
{
    SetWindowSubclass(option, &OptionProcedure, 0, 0);
}

bool IsClickedByUser(HWND option)
{
    return option != nullptr && option == clicking;
}

}  // namespace level::win32
