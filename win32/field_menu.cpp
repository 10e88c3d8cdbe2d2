#include "win32/field_menu.h"

#include <span>
#include <string>

#include "model/window_texts.h"
#include "win32/clipboard.h"
#include "win32/flat_field.h"
#include "win32/utf16.h"

namespace level::win32 {
namespace {

enum Command : UINT { kNone, kUndo, kRedo, kCut, kCopy, kPaste, kDelete, kSelectAll };

struct Item {
    Command command;
    std::string_view text;  // none for a separator
};

constexpr Item kEditingItems[] = {
    {kUndo, kMenuUndo},     {kRedo, kMenuRedo}, {kNone, {}},
    {kCut, kMenuCut},       {kCopy, kMenuCopy}, {kPaste, kMenuPaste},
    {kDelete, kMenuDelete}, {kNone, {}},        {kSelectAll, kMenuSelectAll},
};
constexpr Item kGreyedItems[] = {{kCopy, kMenuCopy}};

struct FieldState {
    bool hasText;
    bool hasSelection;
};

// A greyed field's selection counts for nothing: it copies its whole text.
FieldState StateOf(HWND field)
{
    return {GetWindowTextLengthW(field) > 0,
            IsWindowEnabled(field) != FALSE && HasSelection(field)};
}

bool Available(Command command, HWND field, FieldState state)
{
    switch (command) {
        case kUndo:
            return SendMessageW(field, EM_CANUNDO, 0, 0) != FALSE;
        case kCut:
        case kDelete:
            return state.hasSelection;
        case kCopy:
        case kSelectAll:
            return state.hasText;
        case kPaste:
            return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
        default:
            return false;  // an edit control keeps no step to redo
    }
}

void Carry(Command command, HWND owner, HWND field, FieldState state)
{
    constexpr UINT kMessages[] = {0, WM_UNDO, 0, WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, 0};
    if (command == kCopy && !state.hasSelection) {
        if (!PutOnClipboard(owner, WindowText(field))) {
            MessageBeep(MB_OK);
        }
    } else if (command == kSelectAll) {
        SendMessageW(field, EM_SETSEL, 0, -1);
    } else if (kMessages[command] != 0) {
        SendMessageW(field, kMessages[command], 0, 0);
    }
}

}  // namespace

void ShowFieldMenu(HWND owner, HWND field, POINT at)
{
    const FieldState state = StateOf(field);
    const std::span<const Item> items =
        IsWindowEnabled(field) != FALSE ? std::span<const Item>(kEditingItems) : kGreyedItems;
    HMENU menu = CreatePopupMenu();
    for (const Item& item : items) {
        if (item.text.empty()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT flags =
            Available(item.command, field, state) ? MF_STRING : MF_STRING | MF_GRAYED;
        AppendMenuW(menu, flags, item.command, Widen(item.text).c_str());
    }
    const auto chosen = static_cast<Command>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
    DestroyMenu(menu);
    Carry(chosen, owner, field, state);
}

}  // namespace level::win32
