#pragma once

#include <utility>

#include "core/conversion_error.h"
#include "model/error_report.h"

namespace level {

// Runs one event handler to completion, then shows the state it reached.
// A ConversionError it raises is reported once, after the window shows what
// the handler wrote before failing, and then dropped, so the window goes on.
template <typename Handler, typename Show>
void DispatchEvent(Handler&& handler, Show&& show, ErrorReport& report)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const ConversionError& error) {
        show();
        report.Report(error.number(), error.description());
        return;
    }
    show();
}

}  // namespace level
