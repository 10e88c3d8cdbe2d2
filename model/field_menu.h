#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace level {

// A field's menu, the same in both windows: the editing commands while the
// field is enabled, in the words and order of Qt's Russian menu, and only
// «Копировать» while it is greyed; then, in either, «Копировать результат»,
// the three fields as one line (ResultLine), available while they are one
// result. «Копировать» copies an enabled field's selection, or else the
// field's whole text, and is greyed only where there is no text. Ctrl+C in
// a field does what that item does (CopyCommand): the key and the item it
// is shown beside never differ.
enum class EditCommand {
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Delete,
    SelectAll,
    CopyWholeText,
    CopyResultLine
};

// What the menu needs to know of the field and the window as it is opened.
struct FieldState {
    bool enabled = false;
    bool hasText = false;
    bool hasSelection = false;
    bool allSelected = false;
    bool canUndo = false;
    bool canRedo = false;
    bool canPaste = false;            // the clipboard holds text
    bool fieldsAreOneResult = false;  // ConverterModel::FieldsAreOneResult
};

// One item: its command (none for a separator), its text with "&" before
// the mnemonic, the keys that do the same (none where no key does), and
// whether it can be chosen.
struct FieldMenuItem {
    std::optional<EditCommand> command;
    std::string_view text;
    std::string_view shortcut;
    bool available = false;
};

[[nodiscard]] std::vector<FieldMenuItem> FieldMenu(const FieldState& field);

// What Ctrl+C does in a field: the command of the item shown beside it,
// where that item is available; nothing otherwise, and the clipboard keeps
// what it holds, as in any text field.
[[nodiscard]] std::optional<EditCommand> CopyCommand(const FieldState& field);

// The text a copying command puts on the clipboard: the field's selection,
// its whole text, or the result line while there is one; none for the
// commands that the field's own editing does.
[[nodiscard]] std::optional<std::string> CopiedText(EditCommand command, std::string_view wholeText,
                                                    std::string_view selection,
                                                    const std::optional<std::string>& resultLine);

}  // namespace level
