#include "model/tab_order.h"

#include <cstddef>

#include "model/form1_layout.h"

namespace level {
namespace {

// The option group's one stop.
Control GroupStop(const ConverterModel& model)
{
    Control first = Control::None;
    for (const ControlRow& row : kForm1Controls) {
        if (row.kind == ControlKind::Option) {
            if (model.OptionValue(row.control)) {
                return row.control;
            }
            first = first == Control::None ? row.control : first;
        }
    }
    return first;
}

}  // namespace

bool IsTabStop(const ConverterModel& model, Control control)
{
    if (control == Control::None) {
        return false;
    }
    switch (RowOf(control).kind) {
        case ControlKind::Field:
            return model.FieldEnabled(control);
        case ControlKind::Option:
            return control == GroupStop(model);
        case ControlKind::PushButton:
            return true;
        default:
            return false;
    }
}

Control NextTabStop(const ConverterModel& model, Control from, int step)
{
    const auto size = static_cast<std::ptrdiff_t>(kForm1Controls.size());
    // From no control, as if from just outside the table's end it steps from.
    const std::ptrdiff_t start =
        from == Control::None ? (step > 0 ? -1 : size) : static_cast<std::ptrdiff_t>(IndexOf(from));
    for (std::ptrdiff_t moved = 1; moved <= size; ++moved) {
        const std::ptrdiff_t at = ((start + step * moved) % size + size) % size;
        const Control candidate = kForm1Controls[static_cast<std::size_t>(at)].control;
        if (IsTabStop(model, candidate)) {
            return candidate;
        }
    }
    return Control::None;
}

}  // namespace level
