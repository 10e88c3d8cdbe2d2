#include "model/converter_model.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

#include "core/numeric_text.h"
#include "model/form1_layout.h"
#include "model/quantities.h"
#include "model/window_texts.h"

namespace level {

namespace {

// The quantity of a field, or of an option, by its row.
std::size_t QuantityRow(Control fieldOrOption, ControlKind kind)
{
    const std::size_t row = QuantityOf(fieldOrOption);
    if (row == kQuantities.size() ||
        (kind == ControlKind::Field ? kQuantities[row].field : kQuantities[row].option) !=
            fieldOrOption) {
        throw std::invalid_argument(kind == ControlKind::Field ? "not a text field"
                                                               : "not an option button");
    }
    return row;
}

}  // namespace

ConverterModel::ConverterModel(RegionalSettings settings)
    : settings_(std::move(settings)),
      label1Caption_(kReferenceExplanation),
      windowHeight_(kDesignedWindowHeight)
{
}

void ConverterModel::Form_Load()
{
    // Written in the user's own notation, so that the reference voltage
    // reads back as 0.775 V in every locale.
    for (const Quantity& row : kQuantities) {
        fields_.*row.text = FormatCurrency(RoundToCurrency(row.loaded), settings_);
    }
    enabled_ = Flags{};
    options_ = Flags{};
    oneResult_ = true;
}

void ConverterModel::Option1_Click()
{
    Select(Control::Option1);
}

void ConverterModel::Option2_Click()
{
    Select(Control::Option2);
}

void ConverterModel::Option3_Click()
{
    Select(Control::Option3);
}

void ConverterModel::Command1_Click()
{
    if (!AnyOptionSelected()) {
        label1FontSize_ = kPromptFontSize;
        label1Caption_ = kChooseOptionPrompt;
        return;
    }
    // Until the recipe has run to its end, the fields are part old, part new.
    oneResult_ = false;
    for (const Quantity& row : kQuantities) {
        if (OptionValue(row.option)) {
            row.recipe(fields_, settings_);
        }
    }
    oneResult_ = true;
}

void ConverterModel::Command2_Click()
{
    for (const Quantity& row : kQuantities) {
        (fields_.*row.text).clear();
    }
    oneResult_ = false;
    windowHeight_ = kClearedWindowHeight;
    heightWritePending_ = true;
    label1FontSize_ = kContactFontSize;
    label1Caption_ = kContactLine;
}

void ConverterModel::SetFieldText(Control field, std::string text)
{
    fields_.*kQuantities[QuantityRow(field, ControlKind::Field)].text = std::move(text);
    oneResult_ = false;
}

void ConverterModel::SetFocus(Control control)
{
    focus_ = control;
}

void ConverterModel::ReturnToEnteredField()
{
    for (const Quantity& row : kQuantities) {
        if (OptionValue(row.option)) {
            focus_ = row.field;
        }
    }
}

// A disabled field cannot take the focus; every other control of the tab
// order can.
Control ConverterModel::FirstFocus() const
{
    for (const ControlRow& row : kForm1Controls) {
        if (TakesFocus(row.kind) && (row.kind != ControlKind::Field || FieldEnabled(row.control))) {
            return row.control;
        }
    }
    return Control::None;
}

std::optional<int> ConverterModel::TakeHeightWrite()
{
    if (!std::exchange(heightWritePending_, false)) {
        return std::nullopt;
    }
    return windowHeight_ - kDesignedFrameHeight;
}

const std::string& ConverterModel::FieldText(Control field) const
{
    return fields_.*kQuantities[QuantityRow(field, ControlKind::Field)].text;
}

bool ConverterModel::FieldEnabled(Control field) const
{
    return enabled_[QuantityRow(field, ControlKind::Field)];
}

bool ConverterModel::OptionValue(Control option) const
{
    return options_[QuantityRow(option, ControlKind::Option)];
}

// The clicked option becomes the group's only selected one; its input field
// becomes the only enabled one and takes the focus.
void ConverterModel::Select(Control option)
{
    const std::size_t row = QuantityRow(option, ControlKind::Option);
    options_ = Flags{};
    options_[row] = true;
    enabled_ = Flags{};
    enabled_[row] = true;
    focus_ = kQuantities[row].field;
}

bool ConverterModel::AnyOptionSelected() const
{
    return std::any_of(options_.begin(), options_.end(), [](bool selected) { return selected; });
}

}  // namespace level
