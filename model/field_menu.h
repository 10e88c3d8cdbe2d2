#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace level {

// A field's menu, the same in both windows: the editing commands while the
// field is enabled, in the words and order of Qt's Russian menu, and only
// «Копировать» while it is greyed. Either way, «Копировать» with nothing
// selected copies the field's whole text.
enum class EditCommand { Undo, Redo, Cut, Copy, Paste, Delete, SelectAll, CopyWholeText };

// What the menu needs to know of the field as it is opened.
struct FieldState {
    bool enabled = false;
    bool hasText = false;
    bool hasSelection = false;
    bool allSelected = false;
    bool canUndo = false;
    bool canRedo = false;
    bool canPaste = false;  // the clipboard holds text
};

// One item: its command (none for a separator), its text with "&" before
// the mnemonic, and whether it can be chosen.
struct FieldMenuItem {
    std::optional<EditCommand> command;
    std::string_view text;
    bool available = false;
};

[[nodiscard]] std::vector<FieldMenuItem> FieldMenu(const FieldState& field);

}  // namespace level
