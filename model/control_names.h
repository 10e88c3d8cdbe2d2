#pragma once

#include <array>
#include <string_view>
#include <utility>

#include "model/converter_model.h"

namespace level {

// The window's own names of the controls the model refers to; every toolkit
// binding finds its widgets by them.
inline constexpr std::array<std::pair<Control, std::string_view>, 8> kControlNames = {{
    {Control::Text1, "Text1"},
    {Control::Text2, "Text2"},
    {Control::Text3, "Text3"},
    {Control::Option1, "Option1"},
    {Control::Option2, "Option2"},
    {Control::Option3, "Option3"},
    {Control::Command1, "Command1"},
    {Control::Command2, "Command2"},
}};

// The name of a control; empty for Control::None.
constexpr std::string_view ControlName(Control control)
{
    for (const auto& [candidate, name] : kControlNames) {
        if (candidate == control) {
            return name;
        }
    }
    return {};
}

// The control of a name; Control::None for a name the model does not know.
constexpr Control ControlNamed(std::string_view name)
{
    for (const auto& [control, candidate] : kControlNames) {
        if (candidate == name) {
            return control;
        }
    }
    return Control::None;
}

}  // namespace level
