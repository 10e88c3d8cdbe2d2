#include "win32/field_menu.h"

#include <string>

#include "model/field_menu.h"
#include "win32/clipboard.h"
#include "win32/flat_field.h"
#include "win32/utf16.h"

namespace level::win32 {
namespace {

FieldState StateOf(HWND field)
{
    const auto [first, last] = Selection(field);
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(field));
    // An edit control keeps no step to redo.
    return {.enabled = IsWindowEnabled(field) != FALSE,
            .hasText = length > 0,
            .hasSelection = last > first,
            .allSelected = first == 0 && last == length,
            .canUndo = SendMessageW(field, EM_CANUNDO, 0, 0) != FALSE,
            .canPaste = IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE};
}

// What the edit control does for each command, in their order; 0 where
// the window does it itself.
constexpr UINT kMessages[] = {WM_UNDO, 0, WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, 0, 0};

}  // namespace

void ShowFieldMenu(HWND owner, HWND field, POINT at)
{
    HMENU menu = CreatePopupMenu();
    for (const FieldMenuItem& item : FieldMenu(StateOf(field))) {
        if (!item.command) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuW(menu, item.available ? MF_STRING : MF_STRING | MF_GRAYED,
                    static_cast<UINT>(*item.command) + 1, Widen(item.text).c_str());
    }
    const auto chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
    DestroyMenu(menu);
    if (chosen == 0) {
        return;
    }
    const auto command = static_cast<EditCommand>(chosen - 1);
    if (command == EditCommand::CopyWholeText) {
        if (!PutOnClipboard(owner, WindowText(field))) {
            MessageBeep(MB_OK);
        }
    } else if (command == EditCommand::SelectAll) {
        SendMessageW(field, EM_SETSEL, 0, -1);
    } else if (const UINT message = kMessages[chosen - 1]; message != 0) {
        SendMessageW(field, message, 0, 0);
    }
}

}  // namespace level::win32
