#pragma once

#include "model/control.h"
#include "model/converter_model.h"

namespace level {

// The window's tab stops, in the table's order, as a dialog has them: each
// enabled field, each push button, and the option group once, at its
// selected option or, with none selected, at its first. Each window takes
// them from here: Qt's focus chain, the dialog manager's WS_TABSTOP order,
// the page's own Tab handling.
[[nodiscard]] bool IsTabStop(const ConverterModel& model, Control control);

// The stop after (step +1, Tab) or before (step -1, Shift+Tab) the
// control's place in tab order, wrapping round the window; from no control,
// the first or the last stop.
[[nodiscard]] Control NextTabStop(const ConverterModel& model, Control from, int step);

}  // namespace level
