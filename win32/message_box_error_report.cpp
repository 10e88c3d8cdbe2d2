#include "win32/message_box_error_report.h"

#include <utility>

#include "win32/utf16.h"

namespace level::win32 {
namespace {

// The text control of a message box.
constexpr int kMessageBoxText = 0xFFFF;

thread_local HHOOK boxHook = nullptr;

// Moves and sizes a child of the box by the given pixels.
void Grow(HWND box, HWND child, int dx, int dwidth)
{
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(child, nullptr, place.left + dx, place.top, place.right - place.left + dwidth,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A message box sizes its text control to the text's measured extent, to
// the pixel; where the glyphs are drawn wider than measured (Wine does),
// the end of the widest line is cut off. The box, just before it shows,
// gives its text one average character of room more, and keeps its
// buttons centred.
LRESULT CALLBACK GiveTheTextRoom(int code, WPARAM wParam, LPARAM lParam)
{
    HHOOK hook = boxHook;
    if (code == HCBT_ACTIVATE) {
        UnhookWindowsHookEx(std::exchange(boxHook, nullptr));
        auto* box = reinterpret_cast<HWND>(wParam);
        if (HWND text = GetDlgItem(box, kMessageBoxText)) {
            HDC dc = GetDC(text);
            HGDIOBJ old =
                SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(text, WM_GETFONT, 0, 0)));
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc, &metrics);
            SelectObject(dc, old);
            ReleaseDC(text, dc);
            const int room = metrics.tmAveCharWidth;
            Grow(box, text, 0, room);
            if (HWND ok = GetDlgItem(box, IDOK)) {
                Grow(box, ok, room / 2, 0);
            }
            RECT outer{};
            GetWindowRect(box, &outer);
            SetWindowPos(box, nullptr, 0, 0, outer.right - outer.left + room,
                         outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

void MessageBoxErrorReport::Report(ErrorKind kind, const RegionalSettings& settings)
{
    const std::wstring text = Widen(FormatErrorReport(kind, settings));
    const std::wstring title = Widen(kErrorReportTitle);
    boxHook = SetWindowsHookExW(WH_CBT, &GiveTheTextRoom, nullptr, GetCurrentThreadId());
    MessageBoxW(owner_, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
    if (boxHook != nullptr) {
        UnhookWindowsHookEx(std::exchange(boxHook, nullptr));
    }
}

}  // namespace level::win32
