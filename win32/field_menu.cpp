#include "win32/field_menu.h"

#include <vector>

#include "model/field_menu.h"
#include "win32/clipboard.h"
#include "win32/flat_field.h"
#include "win32/utf16.h"

namespace level::win32 {
namespace {

constexpr const wchar_t* kGapBeforeKeys = L"    ";

FieldState StateOf(HWND field, bool fieldsAreOneResult)
{
    const auto [first, last] = Selection(field);
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(field));
    // An edit control keeps no step to redo.
    return {.enabled = IsWindowEnabled(field) != FALSE,
            .hasText = length > 0,
            .hasSelection = last > first,
            .allSelected = first == 0 && last == length,
            .canUndo = SendMessageW(field, EM_CANUNDO, 0, 0) != FALSE,
            .canPaste = IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE,
            .fieldsAreOneResult = fieldsAreOneResult};
}

void Copy(HWND owner, const std::wstring& text)
{
    if (!PutOnClipboard(owner, text)) {
        MessageBeep(MB_OK);  // as for any command that cannot be done
    }
}

void Run(HWND owner, HWND field, EditCommand command, const std::optional<std::string>& resultLine)
{
    // Not WM_COPY: the edit control tries the clipboard only once.
    const auto [first, last] = Selection(field);
    const std::string whole = Narrow(WindowText(field));
    const std::string selected = Narrow(WindowText(field).substr(first, last - first));
    if (const auto copied = CopiedText(command, whole, selected, resultLine)) {
        Copy(owner, Widen(*copied));
        return;
    }
    switch (command) {
        case EditCommand::Undo:
            SendMessageW(field, WM_UNDO, 0, 0);
            return;
        case EditCommand::Cut:
            SendMessageW(field, WM_CUT, 0, 0);
            return;
        case EditCommand::Paste:
            SendMessageW(field, WM_PASTE, 0, 0);
            return;
        case EditCommand::Delete:
            SendMessageW(field, WM_CLEAR, 0, 0);
            return;
        case EditCommand::SelectAll:
            SendMessageW(field, EM_SETSEL, 0, -1);
            return;
        default:
            return;  // the copies, above; an edit control has no step to redo
    }
}

}  // namespace

void ShowFieldMenu(HWND owner, HWND field, POINT at, const std::optional<std::string>& resultLine)
{
    const std::vector<FieldMenuItem> items = FieldMenu(StateOf(field, resultLine.has_value()));
    HMENU menu = CreatePopupMenu();
    // Each item's id is its place in the menu, from 1 (0 is no choice).
    for (UINT id = 1; const FieldMenuItem& item : items) {
        if (!item.command) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            std::wstring text = Widen(item.text);
            if (!item.shortcut.empty()) {
                // The keys after a tab, and before it the room a menu leaves
                // between an item's text and its keys: Wine's menus set the
                // keys right after the longest text, and Windows' own leave
                // this much more.
                text += kGapBeforeKeys + (L'\t' + Widen(item.shortcut));
            }
            AppendMenuW(menu, item.available ? MF_STRING : MF_STRING | MF_GRAYED, id, text.c_str());
        }
        ++id;
    }
    const auto chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
    DestroyMenu(menu);
    if (chosen != 0 && items.at(chosen - 1).command) {
        Run(owner, field, *items.at(chosen - 1).command, resultLine);
    }
}

void CopyFromField(HWND owner, HWND field)
{
    if (const auto command = CopyCommand(StateOf(field, false))) {
        Run(owner, field, *command, std::nullopt);
    }
}

}  // namespace level::win32
