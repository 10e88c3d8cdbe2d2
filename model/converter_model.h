#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/level_recipes.h"
#include "core/regional_settings.h"
#include "model/control.h"
#include "model/quantities.h"

namespace level {

// The information line's font sizes after a prompt and after a clear.
inline constexpr int kPromptFontSize = 12;
inline constexpr int kContactFontSize = 8;

// All the state of the converter window, changed only by its six handlers and
// by the user's typing and focus moves, which the toolkit binding reports.
// It knows nothing of any toolkit. A handler that fails raises
// ConversionError to its caller and leaves the state as far as it got.
class ConverterModel {
public:
    explicit ConverterModel(RegionalSettings settings);

    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Command1_Click();
    void Command2_Click();

    // What the user does between handlers.
    void SetFieldText(Control field, std::string text);
    void SetFocus(Control control);
    // After a reported error: the focus goes back to the field of the
    // selected option, if any, for the user to put right what was wrong.
    void ReturnToEnteredField();
    // The first control in tab order that can take the focus: the window's
    // first focus when it is shown.
    [[nodiscard]] Control FirstFocus() const;

    [[nodiscard]] const std::string& FieldText(Control field) const;
    [[nodiscard]] bool FieldEnabled(Control field) const;
    [[nodiscard]] bool OptionValue(Control option) const;
    [[nodiscard]] const RegionalSettings& Settings() const { return settings_; }
    [[nodiscard]] const std::string& Label1Caption() const { return label1Caption_; }
    // The information line's font size in points; none means the window's
    // default font.
    [[nodiscard]] std::optional<int> Label1FontSize() const { return label1FontSize_; }
    // A handler's write of the window height, once, as the client height in
    // twips that the outer height leaves with the designed frame; none when
    // nothing has been written since the window last took it. Each write
    // takes effect, even when it writes the same value again after the user
    // has resized the window, and whatever frame the window system draws:
    // the client area keeps the designed share of it. The window gives it
    // to its normal size: a maximised window stays maximised and takes the
    // height when restored.
    [[nodiscard]] std::optional<int> TakeHeightWrite();
    // Where the focus is, as the user or a handler left it. A window shows a
    // handler's focus when it differs from its own; a field that takes it so
    // has its whole text selected, so that what the user types next
    // replaces it.
    [[nodiscard]] Control Focus() const { return focus_; }
    // Whether the three fields show one result together: the start's
    // texts, or those of a compute whose recipe ran to its end, until the
    // user types into a field, clears, or a compute fails.
    [[nodiscard]] bool FieldsAreOneResult() const { return oneResult_; }

private:
    // One flag for each quantity's field, or its option, at its row's place
    // in kQuantities.
    using Flags = std::array<bool, kQuantities.size()>;

    void Select(Control option);
    [[nodiscard]] bool AnyOptionSelected() const;

    RegionalSettings settings_;
    LevelFields fields_;
    Flags enabled_{};
    Flags options_{};
    std::string label1Caption_;
    std::optional<int> label1FontSize_;
    int windowHeight_;
    bool heightWritePending_ = false;
    Control focus_ = Control::None;
    bool oneResult_ = false;
};

}  // namespace level
