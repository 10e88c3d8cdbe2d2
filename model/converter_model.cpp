#include "model/converter_model.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

#include "core/numeric_text.h"
#include "model/form1_layout.h"
#include "model/window_texts.h"

namespace level {

namespace {

// Each field with the text it shows; each option. A field's or an option's
// flag stands at its row's place.
struct FieldRow {
    Control field;
    std::string LevelFields::*text;
};
constexpr std::array<FieldRow, 3> kFieldRows = {{
    {Control::Text1, &LevelFields::decibels},
    {Control::Text2, &LevelFields::nepers},
    {Control::Text3, &LevelFields::volts},
}};
constexpr std::array<Control, 3> kOptions = {Control::Option1, Control::Option2, Control::Option3};

std::size_t FieldIndex(Control field)
{
    const auto row =
        std::find_if(kFieldRows.begin(), kFieldRows.end(),
                     [field](const FieldRow& candidate) { return candidate.field == field; });
    if (row == kFieldRows.end()) {
        throw std::invalid_argument("not a text field");
    }
    return static_cast<std::size_t>(row - kFieldRows.begin());
}

std::size_t OptionIndex(Control option)
{
    const auto found = std::find(kOptions.begin(), kOptions.end(), option);
    if (found == kOptions.end()) {
        throw std::invalid_argument("not an option button");
    }
    return static_cast<std::size_t>(found - kOptions.begin());
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
    fields_.*kFieldRows.at(FieldIndex(field)).text = std::move(text);
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

std::optional<int> ConverterModel::TakeHeightWrite()
{
    if (!std::exchange(heightWritePending_, false)) {
        return std::nullopt;
    }
    return windowHeight_ - kDesignedFrameHeight;
}

const std::string& ConverterModel::FieldText(Control field) const
{
    return fields_.*kFieldRows.at(FieldIndex(field)).text;
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
