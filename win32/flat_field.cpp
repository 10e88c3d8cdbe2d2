#include "win32/flat_field.h"

#include <commctrl.h>
#include <windowsx.h>

#include "model/form1_layout.h"
#include "win32/clipboard.h"

namespace level::win32 {
namespace {

// The one plain line round the field: the system's frame colour, the
// highlight colour while the field has the focus, whatever a visual style
// would draw there.
void PaintBorder(HWND field)
{
    RECT outer{};
    GetWindowRect(field, &outer);
    const RECT border{0, 0, outer.right - outer.left, outer.bottom - outer.top};
    HDC dc = GetWindowDC(field);
    FrameRect(dc, &border,
              GetSysColorBrush(GetFocus() == field ? COLOR_HIGHLIGHT : COLOR_WINDOWFRAME));
    ReleaseDC(field, dc);
}

// Where the menu opens: at the mouse, or for the keyboard's menu key
// (which gives no point) at the field's top left.
POINT MenuPoint(HWND field, LPARAM lParam)
{
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (at.x == -1 && at.y == -1) {
        at = {0, 0};
        ClientToScreen(field, &at);
    }
    return at;
}

LRESULT CALLBACK FlatFieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*id*/, DWORD_PTR /*data*/)
{
    switch (message) {
        // The border is the frame's on Windows and the client area's under
        // Wine's edit control: drawn over after either.
        case WM_NCPAINT:
        case WM_PAINT: {
            const LRESULT result = DefSubclassProc(field, message, wParam, lParam);
            PaintBorder(field);
            return result;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            const LRESULT result = DefSubclassProc(field, message, wParam, lParam);
            RedrawWindow(field, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
            return result;
        }
        case WM_PASTE: {
            // Refused whole where the field would grow beyond what it takes:
            // the edit control would paste the text's head alone.
            const auto [first, last] = Selection(field);
            const auto pasted = ClipboardTextLength(field);
            const auto kept =
                static_cast<std::size_t>(GetWindowTextLengthW(field)) - (last - first);
            if (pasted && !FieldTakes(kept + *pasted)) {
                MessageBeep(MB_OK);
                return 0;
            }
            break;
        }
        case WM_CONTEXTMENU: {
            // As the edit control's own menu does, the field takes the focus;
            // the window opens the menu, which knows the fields as one result.
            SetFocus(field);
            const POINT at = MenuPoint(field, lParam);
            return SendMessageW(GetParent(field), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(field),
                                MAKELPARAM(at.x, at.y));
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(field, &FlatFieldProcedure, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace

std::pair<DWORD, DWORD> Selection(HWND field)
{
    DWORD first = 0;
    DWORD last = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                 reinterpret_cast<LPARAM>(&last));
    return {first, last};
}

void MakeFlatField(HWND field)
{
    SetWindowSubclass(field, &FlatFieldProcedure, 0, 0);
    SendMessageW(field, EM_SETLIMITTEXT, kFieldTextLimit, 0);
}

}  // namespace level::win32
