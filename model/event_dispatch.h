#pragma once

#include "core/conversion_error.h"
#include "model/converter_model.h"
#include "model/error_report.h"

namespace level {

// Runs one of the model's handlers to completion from where the user's
// focus is now, then shows the state it reached. A ConversionError it raises is reported once,
// after the window shows what the handler wrote before failing, and then dropped, so the window
// goes on: back in the entered field, its text selected, so that the next key replaces what was
// wrong.
template <typename Show>
void DispatchEvent(ConverterModel& model, void (ConverterModel::*handler)(), Control focus,
                   Show&& show, ErrorReport& report)
{
    model.SetFocus(focus);
    try {
        (model.*handler)();
    } catch (const ConversionError& error) {
        show();
        report.Report(error.kind(), model.Settings());
        model.ReturnToEnteredField();
    }
    show();
}

}  // namespace level
