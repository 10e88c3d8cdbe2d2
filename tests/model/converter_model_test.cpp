#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "capturing_report.h"
#include "model/converter_model.h"
#include "model/event_dispatch.h"
#include "model/field_menu.h"
#include "model/form1_layout.h"
#include "model/readable_grey.h"
#include "model/tab_order.h"
#include "model/window_keys.h"
#include "model/window_texts.h"
#include "test_support.h"

namespace level {
namespace {

using testing::RaisedKind;

ConverterModel LoadedModel(RegionalSettings settings = kCommaSettings)
{
    ConverterModel model(std::move(settings));
    model.Form_Load();
    return model;
}

// What the model holds for each field, or each option, in the window's
// order of them.
template <typename Value, typename Read>
std::vector<Value> Each(ControlKind kind, Read read)
{
    std::vector<Value> values;
    for (const ControlRow& row : kForm1Controls) {
        if (row.kind == kind) {
            values.push_back(read(row.control));
        }
    }
    return values;
}

std::vector<std::string> Texts(const ConverterModel& model)
{
    return Each<std::string>(ControlKind::Field,
                             [&](Control field) { return model.FieldText(field); });
}

std::vector<bool> Enabled(const ConverterModel& model)
{
    return Each<bool>(ControlKind::Field, [&](Control field) { return model.FieldEnabled(field); });
}

std::vector<bool> Options(const ConverterModel& model)
{
    return Each<bool>(ControlKind::Option,
                      [&](Control option) { return model.OptionValue(option); });
}

TEST(FormLoad, SetsTheDefaults)
{
    ConverterModel model = LoadedModel();
    EXPECT_EQ(Texts(model), (std::vector<std::string>{"0", "0", "0,775"}));
    EXPECT_EQ(Enabled(model), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(Options(model), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(model.Label1Caption(), kReferenceExplanation);
    EXPECT_FALSE(model.Label1FontSize().has_value());
    EXPECT_EQ(model.TakeHeightWrite(), std::nullopt);  // the designed height stands
    EXPECT_EQ(model.FirstFocus(), Control::Option1);   // Text1 comes first, but disabled
}

// Twips to pixels, 1440 to the inch, to the nearest pixel with halves up.
TEST(Twips, BecomePixelsAtTheScreensDpi)
{
    EXPECT_EQ((std::array{TwipsToPixels(5295), TwipsToPixels(3775, 96), TwipsToPixels(4185, 144),
                          TwipsToPixels(-7), TwipsToPixels(-8)}),
              (std::array{353, 252, 419, 0, -1}));
}

// The keys the window answers itself, by the focused control.
TEST(WindowKeys, AreAnsweredByTheFocusedControl)
{
    using enum WindowKey;
    using enum KeyAction;
    using Control::Text1, Control::Text2, Control::Text3, Control::Option1, Control::Option2,
        Control::Option3, Control::Command2;
    // clang-format off
    const std::tuple<WindowKey, Control, KeyAction, Control> answers[] = {
        {KeypadDecimal, Text2, TypeDecimalSeparator, Text2}, {CtrlA, Text3, SelectAll, Text3},
        {CtrlC, Text1, CopyFromField, Text1}, {CtrlC, Option2, None, Control::None},
        {CtrlShiftC, Option2, CopyResultLine, Control::None}, {CtrlShiftC, Text1, CopyResultLine, Control::None},
        {MenuKey, Text1, OpenFieldMenu, Text1}, {Enter, Command2, Click, Command2},
        {Enter, Text1, None, Control::None}, {Left, Option1, Click, Option2},
    };
    // clang-format on
    for (const auto& [key, focus, action, target] : answers) {
        const KeyAnswer answer = AnswerKey(key, focus);
        EXPECT_EQ(std::pair(answer.action, answer.target), std::pair(action, target))
            << static_cast<int>(key) << " on " << static_cast<int>(focus);
    }
}

// The option group is one stop, at its selected option or, with none, at
// Option1; greyed fields and the labels are passed over; the stops wrap.
TEST(TabOrder, GoesRoundTheWindowsStopsWithTheOptionsAsOne)
{
    using Control::Text1, Control::Text2, Control::Option1, Control::Option2, Control::Option3,
        Control::Command1, Control::Command2, Control::Label1, Control::None;
    // clang-format off
    const std::tuple<void (ConverterModel::*)(), Control, int, Control> moves[] = {
        {nullptr, Option1, +1, Command1},                {nullptr, Command2, +1, Option1},
        {nullptr, Option1, -1, Command2},                {nullptr, None, +1, Option1},
        {nullptr, Label1, +1, Option1},                  {nullptr, Option3, -1, Option1},
        {&ConverterModel::Option3_Click, Option3, +1, Text2},
        {&ConverterModel::Option3_Click, Command2, +1, Option3},
        {&ConverterModel::Option3_Click, Text2, -1, Option3},
        {&ConverterModel::Option1_Click, Command2, +1, Text1},
        {&ConverterModel::Option1_Click, Text1, +1, Option1},
        {&ConverterModel::Option2_Click, Option1, +1, Option2},
    };
    // clang-format on
    for (const auto& [handler, from, step, next] : moves) {
        ConverterModel model = LoadedModel();
        if (handler != nullptr) {
            (model.*handler)();
        }
        EXPECT_EQ(NextTabStop(model, from, step), next)
            << static_cast<int>(from) << " by " << step << " after a click "
            << (handler != nullptr);
    }
}

// The greyed text's grey, from the style's toward its text, 0 to 255:
// Windows' own on its face reads at 4.55:1 and stays; a paler one goes four
// tenths of the way to black; a dark scheme's toward white; where nothing
// but the text reads, the text.
TEST(ReadableGrey, IsTheStylesNearestThatReadsAtFourAndAHalfToOne)
{
    // clang-format off
    const std::tuple<double, double, double, double> greys[] = {
        {0x6d, 0x00, 0xf0, 0x6d}, {0xa0, 0x00, 0xf0, 96.0}, {0x80, 0xff, 0x20, 140.7},
        {0x6d, 0x00, 0x6d, 0x00},
    };
    // clang-format on
    const auto neutral = [](double level) { return Colour{level / 255, level / 255, level / 255}; };
    for (const auto& [grey, text, background, picked] : greys) {
        const Colour colour = ReadableGrey(neutral(grey), neutral(text), neutral(background));
        EXPECT_NEAR(colour.red * 255, picked, 0.05) << grey << " on " << background;
        EXPECT_EQ(std::pair(colour.green, colour.blue), std::pair(colour.red, colour.red));
    }
}

// A key is the window's with at least the modifiers it names.
TEST(WindowKeys, AreNamedByTheirKeyAndModifiers)
{
    using enum KeyCode;
    const std::tuple<KeyChord, WindowKey> chords[] = {
        {{C, true, true}, WindowKey::CtrlShiftC},
        {{C, true, false}, WindowKey::CtrlC},
        {{C, false, true}, WindowKey::Other},
        {{A, true, true}, WindowKey::CtrlA},
        {{F10, false, true}, WindowKey::MenuKey},
        {{F10, false, false}, WindowKey::Other},
        {{Enter, true, false}, WindowKey::Enter},
        {{KeypadDecimal, false, true}, WindowKey::KeypadDecimal},
    };
    for (const auto& [chord, key] : chords) {
        EXPECT_EQ(WindowKeyOf(chord), key) << static_cast<int>(chord.code);
    }
}

// Ctrl+C does what the menu item shown beside it does, and that item is
// available exactly when it copies something; the result line has an item
// of its own, available while the fields are one result.
TEST(FieldMenu, CtrlCIsTheCopyItemAndTheResultLineItsOwnItem)
{
    using enum EditCommand;
    const std::tuple<FieldState, std::optional<EditCommand>> cases[] = {
        {{.enabled = true, .hasText = true, .hasSelection = true}, Copy},
        {{.enabled = true, .hasText = true}, CopyWholeText},
        {{.enabled = false, .hasText = true, .hasSelection = true}, CopyWholeText},
        {{.enabled = true, .fieldsAreOneResult = true}, std::nullopt},
    };
    for (const auto& [state, copy] : cases) {
        EXPECT_EQ(CopyCommand(state), copy);
        const auto items = FieldMenu(state);
        const auto marked = std::find_if(items.begin(), items.end(), [](const FieldMenuItem& item) {
            return item.shortcut == "Ctrl+C";
        });
        ASSERT_NE(marked, items.end());
        EXPECT_EQ(marked->available ? marked->command : std::nullopt, copy);
        EXPECT_EQ(std::tuple(items.back().text, items.back().shortcut, items.back().available),
                  std::tuple("Копировать &результат", "Ctrl+Shift+C", state.fieldsAreOneResult));
    }
}

// The reference voltage is written with the user's separator, so that a
// compute straight after start reads 0.775 V in any locale.
struct LocaleCase {
    RegionalSettings settings;
    const char* defaultVolts;
    const char* zero;
};

class StartInLocale : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(StartInLocale, VoltsAtOnceGiveTheZeroLevel)
{
    ConverterModel model = LoadedModel(GetParam().settings);
    EXPECT_EQ(model.FieldText(Control::Text3), GetParam().defaultVolts);
    model.Option2_Click();
    model.Command1_Click();
    EXPECT_EQ(Texts(model), (std::vector<std::string>{GetParam().zero, GetParam().zero,
                                                      GetParam().defaultVolts}));
}

INSTANTIATE_TEST_SUITE_P(Locales, StartInLocale,
                         ::testing::Values(LocaleCase{kCommaSettings, "0,775", "0"},
                                           LocaleCase{kPointSettings, "0.775", "0"},
                                           LocaleCase{kRussianSettings, "0,775", "0"}));

struct OptionCase {
    void (ConverterModel::*click)();
    std::vector<bool> options;
    std::vector<bool> enabled;
    Control focus;
    Control option;
    Control down;  // the option an arrow Down or Right steps to: the one to its right on screen
    Control up;    // Up or Left: the one to its left
};

class OptionClick : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionClick, EnablesItsFieldAndFocusesIt)
{
    ConverterModel model = LoadedModel();
    model.SetFieldText(Control::Text1, "5");
    for (auto click : {&ConverterModel::Option1_Click, &ConverterModel::Option2_Click,
                       &ConverterModel::Option3_Click, GetParam().click}) {
        (model.*click)();
    }
    EXPECT_EQ(Options(model), GetParam().options);
    EXPECT_EQ(Enabled(model), GetParam().enabled);
    EXPECT_EQ(model.Focus(), GetParam().focus);
    EXPECT_EQ(Texts(model), (std::vector<std::string>{"5", "0", "0,775"}));
    EXPECT_EQ(model.FirstFocus(),
              GetParam().focus == Control::Text1 ? Control::Text1 : Control::Option1);
    EXPECT_EQ(OptionBeside(GetParam().option, 1), GetParam().down);
    EXPECT_EQ(OptionBeside(GetParam().option, -1), GetParam().up);
    EXPECT_EQ(OptionBeside(GetParam().focus, 1), Control::None);
}

using enum Control;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Handlers, OptionClick, ::testing::Values(
    OptionCase{&ConverterModel::Option1_Click, {true, false, false}, {true, false, false}, Text1, Option1, Option3, Option2},
    OptionCase{&ConverterModel::Option2_Click, {false, true, false}, {false, false, true}, Text3, Option2, Option1, Option3},
    OptionCase{&ConverterModel::Option3_Click, {false, false, true}, {false, true, false}, Text2, Option3, Option2, Option1}));
// clang-format on

TEST(Compute, WithNoOptionShowsThePromptAndChangesNoField)
{
    ConverterModel model = LoadedModel();
    model.Command1_Click();
    EXPECT_EQ(Texts(model), (std::vector<std::string>{"0", "0", "0,775"}));
    EXPECT_EQ(model.Label1Caption(), "  Выбери: неперы, вольты или децибелы ! ! !");
    EXPECT_EQ(model.Label1FontSize(), 12);
}

TEST(Compute, RunsTheRecipeOfTheSelectedOptionOnly)
{
    ConverterModel model = LoadedModel();
    model.Option3_Click();
    model.SetFieldText(Control::Text2, "1");
    model.Command1_Click();
    EXPECT_EQ(Texts(model), (std::vector<std::string>{"8,686", "1", "2,1067"}));
    EXPECT_EQ(model.Label1Caption(), kReferenceExplanation);

    model.Option1_Click();
    model.SetFieldText(Control::Text1, "10");
    model.Command1_Click();
    EXPECT_EQ(Texts(model), (std::vector<std::string>{"10", "1,1513", "2,4508"}));
}

TEST(Clear, EmptiesTheFieldsShortensTheWindowAndShowsTheContactLine)
{
    ConverterModel model = LoadedModel();
    model.Option3_Click();
    for (int clears = 1; clears <= 2; ++clears) {
        model.Command2_Click();
        EXPECT_EQ(Texts(model), (std::vector<std::string>{"", "", ""}));
        EXPECT_EQ(model.TakeHeightWrite(), 4180 - 405);    // the designed frame's share
        EXPECT_EQ(model.TakeHeightWrite(), std::nullopt);  // taken once
        EXPECT_EQ(model.Label1FontSize(), 8);
        EXPECT_TRUE(model.Label1Caption().starts_with("  Предложения и пожелания по адресу: "));
        EXPECT_EQ(Options(model), (std::vector<bool>{false, false, true}));
        EXPECT_EQ(Enabled(model), (std::vector<bool>{false, true, false}));
    }
}

TEST(Clear, ThenComputeFailsWithTypeMismatchAndChangesNothing)
{
    ConverterModel model = LoadedModel();
    model.Option1_Click();
    model.Command2_Click();
    const std::string contact = model.Label1Caption();
    EXPECT_EQ(RaisedKind([&] { model.Command1_Click(); }), ErrorKind::TypeMismatch);
    EXPECT_EQ(Texts(model), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(model.Label1Caption(), contact);
}

TEST(InformationLine, PromptAndContactLineReplaceEachOther)
{
    ConverterModel model = LoadedModel();
    model.Command2_Click();
    model.Command1_Click();
    EXPECT_EQ(model.Label1Caption(), kChooseOptionPrompt);
    EXPECT_EQ(model.Label1FontSize(), 12);
    EXPECT_EQ(model.TakeHeightWrite(), 4180 - 405);  // the clear's alone
    model.Command2_Click();
    EXPECT_EQ(model.Label1Caption(), kContactLine);
    EXPECT_EQ(model.Label1FontSize(), 8);
}

TEST(EventDispatch, ShowsWhatTheHandlerWroteThenReportsOnceAndTheWindowGoesOn)
{
    ConverterModel model = LoadedModel();
    testing::CapturingReport report;
    std::vector<std::string> shown;
    report.look = [&] { return shown; };
    Control focus = Control::Text1;
    auto compute = [&] {
        DispatchEvent(
            model, &ConverterModel::Command1_Click, focus, [&] { shown = Texts(model); }, report);
    };
    model.Option1_Click();
    model.SetFieldText(Control::Text1, "310");
    compute();
    EXPECT_EQ(report.numbers, (std::vector<int>{6}));
    EXPECT_EQ(report.descriptions, (std::vector<std::string>{"Переполнение"}));
    EXPECT_EQ(report.shownAtReport, (std::vector<std::string>{"310", "35,6896", "0,775"}));

    model.Option2_Click();
    model.SetFieldText(Control::Text3, "0");
    focus = Control::Command1;
    compute();
    EXPECT_EQ(model.Focus(), Control::Text3);  // back in the entered field
    EXPECT_EQ(report.numbers, (std::vector<int>{6, 5}));

    model.SetFieldText(Control::Text3, "7,75");
    compute();
    EXPECT_EQ(report.numbers, (std::vector<int>{6, 5}));
    EXPECT_EQ(shown, (std::vector<std::string>{"19,9998", "2,3", "7,75"}));
}

}  // namespace
}  // namespace level
