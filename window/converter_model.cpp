#include "converter_model.h"

#include <stdexcept>
#include <utility>

#include "core/numeric_text.h"

namespace level {

const char* const kReferenceExplanation =
    "За абсолютный нулевой уровень в проводной связи принята мощность 1 мвт. "
    "Нулевому уровню мощности при сопротивлении 600 Ом соответствует напряжение 0,775 В."
    "      © Авторы, 2026";
const char* const kChooseOptionPrompt = "  Выбери: неперы, вольты или децибелы ! ! !";
const char* const kContactLine = "  Предложения и пожелания по адресу: linecalc@example.org";

template <typename Self>
auto& ConverterModel::FieldOf(Self& self, Control field)
{
    switch (field) {
        case Control::Text1:
            return self.fields_.decibels;
        case Control::Text2:
            return self.fields_.nepers;
        case Control::Text3:
            return self.fields_.volts;
        default:
            throw std::invalid_argument("not a text field");
    }
}

template <typename Self>
auto& ConverterModel::EnabledOf(Self& self, Control field)
{
    switch (field) {
        case Control::Text1:
            return self.enabled_.text1;
        case Control::Text2:
            return self.enabled_.text2;
        case Control::Text3:
            return self.enabled_.text3;
        default:
            throw std::invalid_argument("not a text field");
    }
}

template <typename Self>
auto& ConverterModel::OptionOf(Self& self, Control option)
{
    switch (option) {
        case Control::Option1:
            return self.option1_;
        case Control::Option2:
            return self.option2_;
        case Control::Option3:
            return self.option3_;
        default:
            throw std::invalid_argument("not an option button");
    }
}

ConverterModel::ConverterModel(RegionalSettings settings)
    : settings_(std::move(settings)), label1Caption_(kReferenceExplanation)
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
    option1_ = false;
    option2_ = false;
    option3_ = false;
}

void ConverterModel::Option1_Click()
{
    Select(Control::Option1, {.text1 = true, .text2 = false, .text3 = false}, Control::Text1);
}

void ConverterModel::Option2_Click()
{
    Select(Control::Option2, {.text1 = false, .text2 = false, .text3 = true}, Control::Text3);
}

void ConverterModel::Option3_Click()
{
    Select(Control::Option3, {.text1 = false, .text2 = true, .text3 = false}, Control::Text2);
}

void ConverterModel::Command1_Click()
{
    if (option1_) {
        ConvertFromDecibels(fields_, settings_);
    }
    if (option3_) {
        ConvertFromNepers(fields_, settings_);
    }
    if (option2_) {
        ConvertFromVolts(fields_, settings_);
    }
    if (!AnyOptionSelected()) {
        label1FontSize_ = kPromptFontSize;
        label1Caption_ = kChooseOptionPrompt;
    }
}

void ConverterModel::Command2_Click()
{
    fields_.decibels.clear();
    fields_.nepers.clear();
    fields_.volts.clear();
    windowHeight_ = kClearedWindowHeight;
    label1FontSize_ = kContactFontSize;
    label1Caption_ = kContactLine;
}

void ConverterModel::SetFieldText(Control field, std::string text)
{
    FieldOf(*this, field) = std::move(text);
}

void ConverterModel::SetFocus(Control control)
{
    focus_ = control;
}

const std::string& ConverterModel::FieldText(Control field) const
{
    return FieldOf(*this, field);
}

bool ConverterModel::FieldEnabled(Control field) const
{
    return EnabledOf(*this, field);
}

bool ConverterModel::OptionValue(Control option) const
{
    return OptionOf(*this, option);
}

// The clicked option becomes the group's only selected one; its input field
// becomes the only enabled one and takes the focus.
void ConverterModel::Select(Control option, Flags enabled, Control focus)
{
    option1_ = option == Control::Option1;
    option2_ = option == Control::Option2;
    option3_ = option == Control::Option3;
    enabled_ = enabled;
    focus_ = focus;
}

bool ConverterModel::AnyOptionSelected() const
{
    return option1_ || option2_ || option3_;
}

}  // namespace level
