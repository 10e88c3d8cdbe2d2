#include "model/result_line.h"

namespace level {

std::string ResultLine(const ConverterModel& model)
{
    return model.FieldText(Control::Text1) + " дБ = " + model.FieldText(Control::Text2) +
           " Нп = " + model.FieldText(Control::Text3) + " В";
}

}  // namespace level
