#include "win32/group_frame.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <string>

namespace level::win32 {
namespace {

// Where the caption starts, from the frame's left edge, and the room left
// clear on either side of it, in pixels at 96 dpi: a group box's own.
constexpr int kCaptionInset = 8;
constexpr int kCaptionMargin = 2;

void PaintFrame(HWND frame, HDC dc)
{
    const auto font = reinterpret_cast<HFONT>(SendMessageW(frame, WM_GETFONT, 0, 0));
    const HGDIOBJ previous =
        SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT client{};
    GetClientRect(frame, &client);
    RECT edge = client;
    edge.top += metrics.tmHeight / 2 - 1;
    // The frame's line as the visual style draws a group box's, where one
    // is active, else the etched edge of the classic look.
    if (HTHEME theme = OpenThemeData(frame, L"BUTTON"); theme != nullptr) {
        DrawThemeBackground(theme, dc, BP_GROUPBOX, GBS_NORMAL, &edge, nullptr);
        CloseThemeData(theme);
    } else {
        DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    }

    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(frame)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(
        GetWindowTextW(frame, caption.data(), static_cast<int>(caption.size()))));
    if (!caption.empty()) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
        const int inset = MulDiv(kCaptionInset, dpi, 96);
        const int margin = MulDiv(kCaptionMargin, dpi, 96);
        // The window's background under the caption: the frame's parent
        // paints it, as it does everywhere else beneath the frame.
        auto* background = reinterpret_cast<HBRUSH>(
            SendMessageW(GetParent(frame), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(frame)));
        const RECT clear{inset - margin, 0, inset + extent.cx + margin, metrics.tmHeight};
        FillRect(dc, &clear, background != nullptr ? background : GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(
            dc, GetSysColor(IsWindowEnabled(frame) != FALSE ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        TextOutW(dc, inset, 0, caption.c_str(), static_cast<int>(caption.size()));
    }
    SelectObject(dc, previous);
}

LRESULT CALLBACK GroupFrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR /*id*/, DWORD_PTR /*data*/)
{
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(frame, &paint);
            PaintFrame(frame, dc);
            EndPaint(frame, &paint);
            return 0;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(frame, &GroupFrameProcedure, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(frame, message, wParam, lParam);
}

}  // namespace

void MakeGroupFrame(HWND frame)
{
    SetWindowSubclass(frame, &GroupFrameProcedure, 0, 0);
}

}  // namespace level::win32
