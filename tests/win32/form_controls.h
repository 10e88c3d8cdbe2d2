#pragma once

#include <windows.h>

#include "model/form1_layout.h"
#include "win32/form1.h"

namespace level::testing {

// A control of the window, found as any program finds a dialog's control:
// by its identifier among the window's children.
inline HWND ControlHandle(const win32::Form1& form, Control control)
{
    return GetDlgItem(form.Handle(), win32::ControlId(control));
}

// The control a child window is, or none.
inline Control ControlOf(const win32::Form1& form, HWND handle)
{
    for (const ControlRow& row : kForm1Controls) {
        if (handle != nullptr && ControlHandle(form, row.control) == handle) {
            return row.control;
        }
    }
    return Control::None;
}

}  // namespace level::testing
