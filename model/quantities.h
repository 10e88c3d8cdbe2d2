#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/level_recipes.h"
#include "core/regional_settings.h"
#include "model/control.h"
#include "model/window_texts.h"

namespace level {

// One quantity the window converts: the field that shows it, the option
// that makes it the entered one, the label beside the field that names its
// unit, its unit in the result line, the text it has in the recipes'
// fields, the value the window starts with, and the recipe that computes
// the others from it.
struct Quantity {
    Control field;
    Control option;
    Control unitLabel;
    std::string_view resultUnit;
    std::string LevelFields::*text;
    double loaded;
    void (*recipe)(LevelFields&, const RegionalSettings&);
};

// The quantities in the order the window loads, clears and shows them in
// the result line, and in which a compute asks the options. The layout
// crosses them: Option2 enters the volts of Text3, Option3 the nepers of
// Text2.
inline constexpr std::array<Quantity, 3> kQuantities = {{
    // clang-format off
    {Control::Text1, Control::Option1, Control::Label2, kDecibelUnit, &LevelFields::decibels, 0.0,             &ConvertFromDecibels},
    {Control::Text2, Control::Option3, Control::Label3, kNeperUnit,   &LevelFields::nepers,   0.0,             &ConvertFromNepers},
    {Control::Text3, Control::Option2, Control::Label4, kVoltUnit,    &LevelFields::volts,    kReferenceVolts, &ConvertFromVolts},
    // clang-format on
}};

// The row of a quantity's field or option; the table's size for any other
// control.
[[nodiscard]] constexpr std::size_t QuantityOf(Control fieldOrOption)
{
    return static_cast<std::size_t>(std::find_if(kQuantities.begin(), kQuantities.end(),
                                                 [fieldOrOption](const Quantity& row) {
                                                     return row.field == fieldOrOption ||
                                                            row.option == fieldOrOption;
                                                 }) -
                                    kQuantities.begin());
}

}  // namespace level
