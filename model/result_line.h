#pragma once

#include <string>

#include "model/converter_model.h"

namespace level {

// The three fields as one line a report can take: each text exactly as the
// window shows it, in the user's notation, followed by its unit, joined by
// " = ", as in "10 дБ = 1,1513 Нп = 2,4508 В". An empty field leaves only
// its unit.
[[nodiscard]] std::string ResultLine(const ConverterModel& model);

}  // namespace level
