#include "model/converter_model.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "core/numeric_text.h"
#include "model/form1_layout.h"
#include "model/window_texts.h"

namespace level {

namespace {

constexpr std::array<std::string LevelFields::*, 3> kFieldTexts = {
    &LevelFields::decibels, &LevelFields::nepers, &LevelFields::volts};

// The place of a control among the three that start at first (Text1 or
// Option1); the enumeration lists each three in order.
std::size_t IndexAmong(Control control, Control first, const char* kind)
{
    const int index = static_cast<int>(control) - static_cast<int>(first);
    if (index < 0 || index > 2) {
        throw std::invalid_argument(kind);
    }
    return static_cast<std::size_t>(index);
}

std::size_t FieldIndex(Control field)
{
    return IndexAmong(field, Control::Text1, "not a text field");
}

std::size_t OptionIndex(Control option)
{
    return IndexAmong(option, Control::Option1, "not an option button");
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
    fields_.decibels = "0";
    fields_.nepers = "0";
    // The reference voltage is written in the user's own notation, so that
    // it reads back as 0.775 V in every locale.
    fields_.volts = FormatCurrency(RoundToCurrency(kReferenceVolts), settings_);
    enabled_ = Flags{};
    options_ = Flags{};
    oneResult_ = true;
}

void ConverterModel::Option1_Click()
{
    Select(Control::Option1, {true, false, false}, Control::Text1);
}

void ConverterModel::Option2_Click()
{
    Select(Control::Option2, {false, false, true}, Control::Text3);
}

void ConverterModel::Option3_Click()
{
    Select(Control::Option3, {false, true, false}, Control::Text2);
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
    if (OptionValue(Control::Option1)) {
        ConvertFromDecibels(fields_, settings_);
    }
    if (OptionValue(Control::Option3)) {
        ConvertFromNepers(fields_, settings_);
    }
    if (OptionValue(Control::Option2)) {
        ConvertFromVolts(fields_, settings_);
    }
    oneResult_ = true;
}

void ConverterModel::Command2_Click()
{
    fields_.decibels.clear();
    fields_.nepers.clear();
    fields_.volts.clear();
    oneResult_ = false;
    windowHeight_ = kClearedWindowHeight;
    ++windowHeightWrites_;
    label1FontSize_ = kContactFontSize;
    label1Caption_ = kContactLine;
}

void ConverterModel::SetFieldText(Control field, std::string text)
{
    fields_.*kFieldTexts[FieldIndex(field)] = std::move(text);
    oneResult_ = false;
}

void ConverterModel::SetFocus(Control control)
{
    focus_ = control;
}

// The selected option's field is the one enabled field.
void ConverterModel::ReturnToEnteredField()
{
    for (const Control field : {Control::Text1, Control::Text2, Control::Text3}) {
        if (FieldEnabled(field)) {
            focus_ = field;
        }
    }
}

const std::string& ConverterModel::FieldText(Control field) const
{
    return fields_.*kFieldTexts[FieldIndex(field)];
}

bool ConverterModel::FieldEnabled(Control field) const
{
    return enabled_[FieldIndex(field)];
}

bool ConverterModel::OptionValue(Control option) const
{
    return options_[OptionIndex(option)];
}

// The clicked option becomes the group's only selected one; its input field
// becomes the only enabled one and takes the focus.
void ConverterModel::Select(Control option, Flags enabled, Control focus)
{
    options_ = Flags{};
    options_[OptionIndex(option)] = true;
    enabled_ = enabled;
    focus_ = focus;
}

bool ConverterModel::AnyOptionSelected() const
{
    return options_[0] || options_[1] || options_[2];
}

}  // namespace level
