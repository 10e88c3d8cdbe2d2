#pragma once

#include <optional>
#include <string>

#include "model/converter_model.h"

namespace level {

// The three fields as one line a report can take: each text exactly as the
// window shows it, in the user's notation, followed by its unit, joined by
// " = ", as in "10 дБ = 1,1513 Нп = 2,4508 В".
// There is a line only while the fields are one result
// (ConverterModel::FieldsAreOneResult): a half-written failure or a typed
// value beside old results would read as a conversion that never happened.
[[nodiscard]] std::optional<std::string> ResultLine(const ConverterModel& model);

}  // namespace level
