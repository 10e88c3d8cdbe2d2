#include "model/result_line.h"

#include <utility>

#include "model/window_texts.h"

namespace level {

std::optional<std::string> ResultLine(const ConverterModel& model)
{
    if (!model.FieldsAreOneResult()) {
        return std::nullopt;
    }
    std::string line;
    for (const auto& [field, unit] :
         {std::pair{Control::Text1, kDecibelUnit}, std::pair{Control::Text2, kNeperUnit},
          std::pair{Control::Text3, kVoltUnit}}) {
        line += (line.empty() ? "" : " = ") + model.FieldText(field) + ' ';
        line += unit;
    }
    return line;
}

}  // namespace level
