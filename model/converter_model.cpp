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

// What each option selects: its input field and the recipe a compute
// runs, in the order a compute asks the options.
struct OptionRule {
    Control option;
    Control field;
    void (*recipe)(LevelFields&, const RegionalSettings&);
};
constexpr std::array<OptionRule, 3> kOptionRules = {{
    {Control::Option1, Control::Text1, &ConvertFromDecibels},
    {Control::Option3, Control::Text2, &ConvertFromNepers},
    {Control::Option2, Control::Text3, &ConvertFromVolts},
}};

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
    for (const OptionRule& rule : kOptionRules) {
        if (OptionValue(rule.option)) {
            rule.recipe(fields_, settings_);
        }
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
    heightWritePending_ = true;
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

void ConverterModel::ReturnToEnteredField()
{
    for (const OptionRule& rule : kOptionRules) {
        if (OptionValue(rule.option)) {
            focus_ = rule.field;
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

int ConverterModel::ClientHeight() const
{
    return windowHeight_ - kDesignedFrameHeight;
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
void ConverterModel::Select(Control option)
{
    options_ = Flags{};
    options_[OptionIndex(option)] = true;
    enabled_ = Flags{};
    for (const OptionRule& rule : kOptionRules) {
        if (rule.option == option) {
            enabled_[FieldIndex(rule.field)] = true;
            focus_ = rule.field;
        }
    }
}

bool ConverterModel::AnyOptionSelected() const
{
    return options_[0] || options_[1] || options_[2];
}

}  // namespace level
