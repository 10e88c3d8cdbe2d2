#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "model/control.h"
#include "model/converter_model.h"
#include "model/twips.h"
#include "model/window_texts.h"

namespace level {

// The window in twips, 1440 to the inch: its client area, and the frame
// as designed, 345 twips above the client area and 60 below it.
inline constexpr int kFormClientWidth = 5520;
inline constexpr int kFormClientHeight = 4185;
inline constexpr int kDesignedFrameHeight = 345 + 60;
// The outer heights the model writes: at start, and after a clear.
inline constexpr int kDesignedWindowHeight = kFormClientHeight + kDesignedFrameHeight;
inline constexpr int kClearedWindowHeight = 4180;

// The most a field takes, in UTF-16 code units, in every window: Qt's own
// limit, and one Windows' edit control takes. An edit that would leave a
// field longer, a paste or a key, is refused whole and the window beeps:
// a long paste cut to the limit could read as another number.
inline constexpr int kFieldTextLimit = 32767;
[[nodiscard]] constexpr bool FieldTakes(std::size_t length)
{
    return length <= static_cast<std::size_t>(kFieldTextLimit);
}

enum class ControlKind { Field, Option, PushButton, Label, Frame, Outline };
// The window's default dialog font, or the large one of the fields and
// their units.
enum class ControlFont { Dialog, Large };

// One control of the window: what it is, where it stands, what it says and
// in which font, what a screen reader calls it beyond its caption, and the
// handler a click on it runs.
struct ControlRow {
    Control control;
    std::string_view name;
    ControlKind kind;
    TwipsRect place;
    std::string_view caption;  // none where the model writes the text
    ControlFont font;
    std::string_view accessibleName;
    void (ConverterModel::*onClick)();
};

// The fourteen controls in tab order. The fields: Text1 decibels, Text2
// nepers, Text3 volts. Each option enables its own field: Option1 Text1,
// Option2 Text3, Option3 Text2. Command1 computes, Command2 clears. Label1
// is the information line, Label2 to Label4 the fields' units; Frame1 holds
// the option row, and the outline Shape1 lies beneath everything.
inline constexpr std::array<ControlRow, 14> kForm1Controls = {{
    // clang-format off
    {Control::Text1,    "Text1",    ControlKind::Field,      {240, 1200, 2895, 615},   {},               ControlFont::Large,  kText1AccessibleName, nullptr},
    {Control::Option1,  "Option1",  ControlKind::Option,     {3840, 480, 1215, 495},   kOption1Caption,  ControlFont::Dialog, {},                   &ConverterModel::Option1_Click},
    {Control::Option2,  "Option2",  ControlKind::Option,     {2160, 480, 1335, 495},   kOption2Caption,  ControlFont::Dialog, {},                   &ConverterModel::Option2_Click},
    {Control::Option3,  "Option3",  ControlKind::Option,     {360, 480, 1095, 495},    kOption3Caption,  ControlFont::Dialog, {},                   &ConverterModel::Option3_Click},
    {Control::Text2,    "Text2",    ControlKind::Field,      {240, 1920, 2895, 615},   {},               ControlFont::Large,  kText2AccessibleName, nullptr},
    {Control::Text3,    "Text3",    ControlKind::Field,      {240, 2640, 2895, 615},   {},               ControlFont::Large,  kText3AccessibleName, nullptr},
    {Control::Frame1,   "Frame1",   ControlKind::Frame,      {240, 240, 5055, 855},    kFrame1Caption,   ControlFont::Dialog, {},                   nullptr},
    {Control::Command1, "Command1", ControlKind::PushButton, {4200, 1200, 1095, 1455}, kCommand1Caption, ControlFont::Dialog, {},                   &ConverterModel::Command1_Click},
    {Control::Command2, "Command2", ControlKind::PushButton, {4200, 2760, 1095, 495},  kCommand2Caption, ControlFont::Dialog, {},                   &ConverterModel::Command2_Click},
    {Control::Label1,   "Label1",   ControlKind::Label,      {120, 3480, 5175, 735},   {},               ControlFont::Dialog, {},                   nullptr},
    {Control::Label2,   "Label2",   ControlKind::Label,      {3240, 1200, 855, 735},   kLabel2Caption,   ControlFont::Large,  {},                   nullptr},
    {Control::Label3,   "Label3",   ControlKind::Label,      {3240, 1920, 855, 615},   kLabel3Caption,   ControlFont::Large,  {},                   nullptr},
    {Control::Label4,   "Label4",   ControlKind::Label,      {3240, 2640, 615, 615},   kLabel4Caption,   ControlFont::Large,  {},                   nullptr},
    {Control::Shape1,   "Shape1",   ControlKind::Outline,    {120, 120, 5295, 3255},   {},               ControlFont::Dialog, {},                   nullptr},
    // clang-format on
}};

// The place of a control in the table; the table's size for Control::None.
[[nodiscard]] constexpr std::size_t IndexOf(Control control)
{
    std::size_t index = 0;
    while (index < kForm1Controls.size() && kForm1Controls[index].control != control) {
        ++index;
    }
    return index;
}

[[nodiscard]] constexpr const ControlRow& RowOf(Control control)
{
    return kForm1Controls.at(IndexOf(control));
}

[[nodiscard]] constexpr bool IsField(Control control)
{
    return control != Control::None && RowOf(control).kind == ControlKind::Field;
}

[[nodiscard]] constexpr bool TakesFocus(ControlKind kind)
{
    return kind == ControlKind::Field || kind == ControlKind::Option ||
           kind == ControlKind::PushButton;
}

// The arrow keys move through the option row as the screen shows it, not
// in tab order (which runs right to left there): the option beside one to
// its left (step -1: Left and Up) or to its right (step +1: Right and
// Down), wrapping at the row's ends; none from any other control.
[[nodiscard]] constexpr Control OptionBeside(Control from, int step)
{
    if (from == Control::None || RowOf(from).kind != ControlKind::Option) {
        return Control::None;
    }
    // Each option's place along the step: the next one is the nearest
    // ahead, and past the end of the row the farthest behind.
    const auto along = [step](const ControlRow& row) { return row.place.left * step; };
    const ControlRow* next = nullptr;
    const ControlRow* wrapped = nullptr;
    for (const ControlRow& row : kForm1Controls) {
        if (row.kind != ControlKind::Option) {
            continue;
        }
        if (along(row) > along(RowOf(from)) && (next == nullptr || along(row) < along(*next))) {
            next = &row;
        }
        if (wrapped == nullptr || along(row) < along(*wrapped)) {
            wrapped = &row;
        }
    }
    return (next != nullptr ? next : wrapped)->control;
}

// The fields' one further design setting, their 3-D appearance, is off: each
// field is flat, with a single plain one-pixel border (the system's frame
// colour on Windows, the window-text colour in Qt), in every binding; while
// a field has the focus its border takes the highlight colour. A disabled
// field is drawn on the window's own colour, its text greyed yet readable
// at 4.5:1 or more (Windows' grey text on the button face).

// The window's fonts: one family, 8 points for the window's default font and
// 24 points for the fields and their unit captions. The family is the first
// of these that is installed as an outline font, so that it has every size
// and is smoothed: the designed one where it is (it is a bitmap font on
// Windows), its outline successor with the same widths, then sans serifs of
// those widths with Cyrillic glyphs.
inline constexpr std::array<std::string_view, 4> kFontFamilies = {
    "MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial"};
// The family the window draws in, given whether a family is installed as
// an outline font there; none where none of them is.
template <typename InstalledAsOutline>
[[nodiscard]] std::string_view WindowFontFamily(InstalledAsOutline&& installedAsOutline)
{
    const auto* found =
        std::find_if(kFontFamilies.begin(), kFontFamilies.end(), installedAsOutline);
    return found == kFontFamilies.end() ? std::string_view{} : *found;
}
inline constexpr int kDialogFontPoints = 8;
inline constexpr int kLargeFontPoints = 24;

[[nodiscard]] constexpr int PointsOf(ControlFont font)
{
    return font == ControlFont::Large ? kLargeFontPoints : kDialogFontPoints;
}

}  // namespace level
