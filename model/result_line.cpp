#include "model/result_line.h"

#include "model/quantities.h"

namespace level {

std::optional<std::string> ResultLine(const ConverterModel& model)
{
    if (!model.FieldsAreOneResult()) {
        return std::nullopt;
    }
    std::string line;
    for (const Quantity& row : kQuantities) {
        line += (line.empty() ? "" : " = ") + model.FieldText(row.field) + ' ';
        line += row.resultUnit;
    }
    return line;
}

}  // namespace level
