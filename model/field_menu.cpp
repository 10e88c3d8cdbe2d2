#include "model/field_menu.h"

#include <span>

#include "model/window_texts.h"

namespace level {
namespace {

struct Entry {
    std::optional<EditCommand> command;  // none for a separator
    std::string_view text;
};

constexpr Entry kEditingMenu[] = {
    {EditCommand::Undo, kMenuUndo},
    {EditCommand::Redo, kMenuRedo},
    {},
    {EditCommand::Cut, kMenuCut},
    {EditCommand::Copy, kMenuCopy},
    {EditCommand::Paste, kMenuPaste},
    {EditCommand::Delete, kMenuDelete},
    {},
    {EditCommand::SelectAll, kMenuSelectAll},
};
constexpr Entry kGreyedMenu[] = {{EditCommand::Copy, kMenuCopy}};

bool Available(EditCommand command, const FieldState& field)
{
    switch (command) {
        case EditCommand::Undo:
            return field.canUndo;
        case EditCommand::Redo:
            return field.canRedo;
        case EditCommand::Cut:
        case EditCommand::Delete:
            return field.hasSelection;
        case EditCommand::Paste:
            return field.canPaste;
        case EditCommand::SelectAll:
            return field.hasText && !field.allSelected;
        case EditCommand::Copy:
        case EditCommand::CopyWholeText:
            return field.hasText;
    }
    return false;
}

}  // namespace

std::vector<FieldMenuItem> FieldMenu(const FieldState& field)
{
    const std::span<const Entry> entries =
        field.enabled ? std::span<const Entry>(kEditingMenu) : kGreyedMenu;
    std::vector<FieldMenuItem> items;
    for (const Entry& entry : entries) {
        std::optional<EditCommand> command = entry.command;
        // A greyed field's selection counts for nothing.
        if (command == EditCommand::Copy && !(field.enabled && field.hasSelection)) {
            command = EditCommand::CopyWholeText;
        }
        items.push_back({command, entry.text, command && Available(*command, field)});
    }
    return items;
}

}  // namespace level
