#pragma once

#include <utility>

#include "core/conversion_error.h"
#include "model/error_report.h"

namespace level {

// Runs one event handler to completion. A ConversionError it raises is
// reported once and then dropped, so the window goes on with its state as
// the handler left it.
template <typename Handler>
void DispatchEvent(Handler&& handler, ErrorReport& report)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const ConversionError& error) {
        report.Report(error.number(), error.description());
    }
}

}  // namespace level
