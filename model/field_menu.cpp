#include "model/field_menu.h"

#include <span>

#include "model/window_texts.h"

namespace level {
namespace {

struct Entry {
    std::optional<EditCommand> command;  // none for a separator
    std::string_view text;
    std::string_view shortcut;
};

constexpr std::string_view kCopyShortcut = "Ctrl+C";
constexpr std::string_view kCopyResultLineShortcut = "Ctrl+Shift+C";

constexpr Entry kEditingMenu[] = {
    {EditCommand::Undo, kMenuUndo, "Ctrl+Z"},
    {EditCommand::Redo, kMenuRedo, "Ctrl+Shift+Z"},
    {},
    {EditCommand::Cut, kMenuCut, "Ctrl+X"},
    {EditCommand::Copy, kMenuCopy, kCopyShortcut},
    {EditCommand::Paste, kMenuPaste, "Ctrl+V"},
    {EditCommand::Delete, kMenuDelete, {}},
    {},
    {EditCommand::SelectAll, kMenuSelectAll, "Ctrl+A"},
    {},
    {EditCommand::CopyResultLine, kMenuCopyResultLine, kCopyResultLineShortcut},
};
constexpr Entry kGreyedMenu[] = {
    {EditCommand::Copy, kMenuCopy, kCopyShortcut},
    {},
    {EditCommand::CopyResultLine, kMenuCopyResultLine, kCopyResultLineShortcut},
};

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
        case EditCommand::CopyResultLine:
            return field.fieldsAreOneResult;
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
        items.push_back(
            {command, entry.text, entry.shortcut, command && Available(*command, field)});
    }
    return items;
}

std::optional<EditCommand> CopyCommand(const FieldState& field)
{
    for (const FieldMenuItem& item : FieldMenu(field)) {
        if (item.shortcut == kCopyShortcut && item.available) {
            return item.command;
        }
    }
    return std::nullopt;
}

std::optional<std::string> CopiedText(EditCommand command, std::string_view wholeText,
                                      std::string_view selection,
                                      const std::optional<std::string>& resultLine)
{
    switch (command) {
        case EditCommand::Copy:
            return std::string(selection);
        case EditCommand::CopyWholeText:
            return std::string(wholeText);
        case EditCommand::CopyResultLine:
            return resultLine;
        default:
            return std::nullopt;
    }
}

}  // namespace level
