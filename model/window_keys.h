#pragma once

#include "model/control.h"

namespace level {

// The keys the window answers itself, beyond what its controls and the
// platform's focus navigation do. Each binding names its native keys so.
enum class WindowKey {
    Other,
    KeypadDecimal,
    CtrlC,
    CtrlShiftC,
    CtrlA,
    MenuKey,
    Enter,
    Down,
    Right,
    Up,
    Left
};

enum class KeyAction {
    None,                  // the key goes on to the focused control
    TypeDecimalSeparator,  // the user's separator into the field, whatever the layout has there
    CopyFromField,         // what the field's menu item marked Ctrl+C does (CopyCommand)
    CopyResultLine,        // the three fields as one line (ResultLine), or a beep
    SelectAll,             // the field's whole text
    OpenFieldMenu,         // the field's menu, at the field
    Click,                 // the target, with the focus on it
};

// A key as the window's bindings name it, whatever the platform's own key
// codes, with the modifiers held as it was pressed.
enum class KeyCode { Other, C, A, KeypadDecimal, Menu, F10, Enter, Down, Right, Up, Left };
struct KeyChord {
    KeyCode code = KeyCode::Other;
    bool ctrl = false;
    bool shift = false;
};

// Which of the window's keys a chord is: a key with at least the modifiers
// its row names, Shift+F10 the menu key as in any Windows field.
[[nodiscard]] WindowKey WindowKeyOf(KeyChord chord);

struct KeyAnswer {
    KeyAction action = KeyAction::None;
    Control target = Control::None;
};

// What the window does for a key with the focus on a control (or none). A
// field takes Ctrl+C, the keypad's decimal key, Ctrl+A and the menu key as
// above; Ctrl+Shift+C copies the result line wherever the focus is, as the
// fields' menu item shown with it; a focused push button takes Enter as a
// press, as neither is a default button; an arrow key on an option clicks
// the option beside it on screen.
[[nodiscard]] KeyAnswer AnswerKey(WindowKey key, Control focus);

}  // namespace level
