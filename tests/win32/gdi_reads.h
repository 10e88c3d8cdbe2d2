#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "win32/utf16.h"
#include "win32/window_metrics.h"

namespace level::testing {

using win32::ScreenDpi;

// What the native window's tests read back from GDI, each device context
// released again.

// The clipboard's Unicode text, or "" when it holds none.
inline std::string ClipboardText()
{
    OpenClipboard(nullptr);
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* chars = static_cast<const wchar_t*>(GlobalLock(data));
    const std::string text = chars != nullptr ? win32::Narrow(chars) : "";
    GlobalUnlock(data);
    CloseClipboard();
    return text;
}

inline std::uint32_t Rgb(COLORREF colour)
{
    return (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) |
           GetBValue(colour);
}

// A control's font as realised in its device context, and the extent of a
// sample text in it.
struct RealisedFont {
    TEXTMETRICW metrics{};
    std::string face;
    SIZE extent{};
};

inline RealisedFont RealisedFontOf(HWND control, std::wstring_view sample = {})
{
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RealisedFont font;
    GetTextMetricsW(dc, &font.metrics);
    std::array<wchar_t, LF_FACESIZE> face{};
    GetTextFaceW(dc, static_cast<int>(face.size()), face.data());
    font.face = win32::Narrow(face.data());
    GetTextExtentPoint32W(dc, sample.data(), static_cast<int>(sample.size()), &font.extent);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return font;
}

// The popup menu that is up, with its window; a null menu while none is.
inline std::pair<HWND, HMENU> OpenPopupMenu()
{
    HWND popup = FindWindowW(L"#32768", nullptr);
    return {popup, reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0))};
}

}  // namespace level::testing
