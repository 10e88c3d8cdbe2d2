#include "win32/option_clicks.h"

#include <commctrl.h>

#include <algorithm>
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

bool ClickTheNextOption(const std::vector<HWND>& group, WPARAM key)
{
    const int step = key == VK_DOWN || key == VK_RIGHT ? 1
                     : key == VK_UP || key == VK_LEFT  ? -1
                                                       : 0;
    const auto focus = std::find(group.begin(), group.end(), GetFocus());
    if (step == 0 || focus == group.end()) {
        return false;
    }
    const auto count = static_cast<std::ptrdiff_t>(group.size());
    HWND next = group.at(static_cast<std::size_t>((focus - group.begin() + step + count) % count));
    SetFocus(next);
    SendMessageW(next, BM_CLICK, 0, 0);
    return true;
}

bool IsClickedByUser(HWND option)
{
    return option != nullptr && option == clicking;
}

}  // namespace level::win32
