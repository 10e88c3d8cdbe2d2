#include "model/window_keys.h"

#include "model/form1_layout.h"

namespace level {
namespace {

struct KeyRow {
    KeyCode code;
    bool ctrl;
    bool shift;
    WindowKey key;
};
// The first row that matches is the key: Ctrl+Shift+C before Ctrl+C.
constexpr KeyRow kKeyRows[] = {
    {KeyCode::KeypadDecimal, false, false, WindowKey::KeypadDecimal},
    {KeyCode::C, true, true, WindowKey::CtrlShiftC},
    {KeyCode::C, true, false, WindowKey::CtrlC},
    {KeyCode::A, true, false, WindowKey::CtrlA},
    {KeyCode::Menu, false, false, WindowKey::MenuKey},
    {KeyCode::F10, false, true, WindowKey::MenuKey},
    {KeyCode::Enter, false, false, WindowKey::Enter},
    {KeyCode::Down, false, false, WindowKey::Down},
    {KeyCode::Right, false, false, WindowKey::Right},
    {KeyCode::Up, false, false, WindowKey::Up},
    {KeyCode::Left, false, false, WindowKey::Left},
};

}  // namespace

WindowKey WindowKeyOf(KeyChord chord)
{
    for (const KeyRow& row : kKeyRows) {
        if (row.code == chord.code && (chord.ctrl || !row.ctrl) && (chord.shift || !row.shift)) {
            return row.key;
        }
    }
    return WindowKey::Other;
}

KeyAnswer AnswerKey(WindowKey key, Control focus)
{
    const bool field = IsField(focus);
    const bool button = focus != Control::None && RowOf(focus).kind == ControlKind::PushButton;
    const int step = key == WindowKey::Down || key == WindowKey::Right ? 1
                     : key == WindowKey::Up || key == WindowKey::Left  ? -1
                                                                       : 0;
    switch (key) {
        case WindowKey::KeypadDecimal:
            return field ? KeyAnswer{KeyAction::TypeDecimalSeparator, focus} : KeyAnswer{};
        case WindowKey::CtrlC:
            return field ? KeyAnswer{KeyAction::CopyFromField, focus} : KeyAnswer{};
        case WindowKey::CtrlShiftC:
            return {KeyAction::CopyResultLine};
        case WindowKey::CtrlA:
            return field ? KeyAnswer{KeyAction::SelectAll, focus} : KeyAnswer{};
        case WindowKey::MenuKey:
            return field ? KeyAnswer{KeyAction::OpenFieldMenu, focus} : KeyAnswer{};
        case WindowKey::Enter:
            return button ? KeyAnswer{KeyAction::Click, focus} : KeyAnswer{};
        case WindowKey::Down:
        case WindowKey::Right:
        case WindowKey::Up:
        case WindowKey::Left:
            if (const Control next = OptionBeside(focus, step); next != Control::None) {
                return {KeyAction::Click, next};
            }
            return {};
        case WindowKey::Other:
            return {};
    }
    return {};
}

}  // namespace level
