#include "win32/field_tips.h"

#include <commctrl.h>

#include <string>

#include "model/field_tip.h"
#include "win32/utf16.h"

namespace level::win32 {
namespace {

// The two tools of a field: by its handle, and by its place in the window,
// which a rectangle names.
TTTOOLINFOW FieldTool(HWND window, HWND field, bool byPlace)
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window;
    tool.uFlags = TTF_SUBCLASS | (byPlace ? 0U : TTF_IDISHWND);
    // A handle is a multiple of four, so one past it names no other tool.
    tool.uId = reinterpret_cast<UINT_PTR>(field) + (byPlace ? 1U : 0U);
    if (byPlace) {
        GetWindowRect(field, &tool.rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&tool.rect), 2);
    }
    return tool;
}

}  // namespace

FieldTips::FieldTips(HWND window)
    : window_(window),
      tips_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, nullptr, nullptr))
{
}

FieldTips::~FieldTips()
{
    DestroyWindow(tips_);
}

void FieldTips::Add(HWND field)
{
    for (const bool byPlace : {false, true}) {
        TTTOOLINFOW tool = FieldTool(window_, field, byPlace);
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void FieldTips::Follow(HWND field)
{
    TTTOOLINFOW tool = FieldTool(window_, field, true);
    SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FieldTips::Show(HWND field, std::string_view text)
{
    std::wstring tip = Widen(FieldTip(text));
    for (const bool byPlace : {false, true}) {
        TTTOOLINFOW tool = FieldTool(window_, field, byPlace);
        tool.lpszText = tip.data();
        SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace level::win32
