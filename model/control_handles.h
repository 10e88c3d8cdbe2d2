#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "model/form1_layout.h"

namespace level {

// What a binding made of each control of the window's table (a widget, a
// window handle), kept at the control's place in the table, and found back
// from what the toolkit reports.
template <typename Handle>
class ControlHandles {
public:
    void Set(Control control, Handle handle) { handles_.at(IndexOf(control)) = handle; }

    // None for Control::None.
    [[nodiscard]] Handle operator[](Control control) const
    {
        return control == Control::None ? Handle{} : handles_.at(IndexOf(control));
    }

    // Control::None for what is no control's, or for none.
    [[nodiscard]] Control ControlOf(Handle handle) const
    {
        const auto found = std::find(handles_.begin(), handles_.end(), handle);
        return handle == Handle{} || found == handles_.end()
                   ? Control::None
                   : kForm1Controls.at(static_cast<std::size_t>(found - handles_.begin())).control;
    }

private:
    std::array<Handle, kForm1Controls.size()> handles_{};
};

}  // namespace level
