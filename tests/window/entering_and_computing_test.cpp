// Choosing a quantity, typing or pasting it, and computing.

#include "window/designed_form.h"
#include "window/window_test.h"

namespace level::testing {
namespace {

// The user presses «вычислить» before choosing (the prompt shows in its
// own size), clicks «Децибеллы», types 10 and presses «вычислить»: what is
// typed replaces the field's text.
TEST_F(WindowTest, TheTypicalEventStepByStep)
{
    window->Click(Command1);
    EXPECT_EQ(window->See(Label1).fontPoints, 12);
    window->Click(Option1);
    EXPECT_EQ(Enabled(), (Flags3{true, false, false}));
    EXPECT_EQ(window->Focused(), Text1);
    EXPECT_EQ(window->See(Text1).selection, (std::pair{0, 1}));
    window->TypeKeys("10");
    EXPECT_EQ(Text(Text1), "10");
    window->Click(Command1);
    EXPECT_EQ(Texts(), (Texts3{"10", "1,1513", "2,4508"}));
    EXPECT_TRUE(Reports().empty());
}

// An option enables and focuses its own field only, with the field's whole
// text selected, and keeps every text.
TEST_F(WindowTest, AnOptionEnablesAndFocusesItsFieldOnly)
{
    window->Click(Option3);
    EXPECT_EQ(Checked(), (Flags3{false, false, true}));
    EXPECT_EQ(Enabled(), (Flags3{false, true, false}));
    EXPECT_EQ(window->Focused(), Text2);
    window->Click(Option2);
    EXPECT_EQ(Checked(), (Flags3{false, true, false}));
    EXPECT_EQ(Enabled(), (Flags3{false, false, true}));
    EXPECT_EQ(window->Focused(), Text3);
    EXPECT_EQ(window->See(Text3).selection, (std::pair{0, 5}));
    EXPECT_EQ(Texts(), (Texts3{"0", "0", "0,775"}));
}

// Neither button is a default or cancel button: Enter and Escape in a field
// would compute or clear, and press nothing.
TEST_F(WindowTest, EnterAndEscapeInAFieldPressNothing)
{
    window->Click(Option2);
    window->TypeKeys("5");
    window->Press(Key::Enter);
    window->Press(Key::Escape);
    EXPECT_EQ(Texts(), (Texts3{"0", "0", "5"}));
    EXPECT_TRUE(Reports().empty());
}

// A long result keeps every size, and each field shows its text from the
// first character.
TEST_F(WindowTest, ALongResultResizesNothingAndShowsItsFirstDigits)
{
    const auto field = window->See(Text3).place;
    const PixelSize client = window->ClientSize();
    window->Click(Option1);
    window->TypeKeys("300");
    window->Click(Command1);
    EXPECT_EQ(Text(Text3), "775000000000000");
    EXPECT_EQ(window->See(Text3).place, field);
    EXPECT_EQ(window->ClientSize(), client);
    EXPECT_EQ(window->See(Text2).firstVisible, 0);
    EXPECT_EQ(window->See(Text3).firstVisible, 0);
}

// What the handler wrote is on screen before the error report comes.
TEST_F(WindowTest, ShowsTheWrittenFieldsBeforeTheReport)
{
    window->Click(Option1);
    window->TypeKeys("310");
    window->Click(Command1);
    EXPECT_EQ(Reports(), (std::vector<int>{6}));
    EXPECT_EQ(window->report.shownAtReport, (Texts3{"310", "35,6896", "0,775"}));
}

// After an error report the entered field has the focus, its whole text
// selected: what the user types next replaces what was wrong.
TEST_F(WindowTest, AfterAnErrorTheNextKeysReplaceWhatWasWrong)
{
    window->Click(Option1);
    window->TypeKeys("abc");
    window->Click(Command1);
    EXPECT_EQ(window->Focused(), Text1);
    EXPECT_EQ(window->See(Text1).selection, (std::pair{0, 3}));
    window->TypeKeys("20");
    window->Click(Command1);
    EXPECT_EQ(Texts(), (Texts3{"20", "2,3026", "7,75"}));
    EXPECT_EQ(Reports(), (std::vector<int>{13}));
}

// Ctrl+A selects a field's whole text, so that what is typed (here a
// level below zero) replaces it.
TEST_F(WindowTest, CtrlASelectsAFieldsWholeText)
{
    window->Click(Option3);
    window->TypeKeys("10");
    window->Press(Key::CtrlA);
    window->TypeKeys("-1");
    window->Click(Command1);
    EXPECT_EQ(Texts(), (Texts3{"-8,686", "-1", "0,2851"}));
}

// Text pasted into the decibel field over its whole text, then a compute:
// the three fields and the error numbers reported, in a comma locale. A
// paste longer than a field takes is refused whole (the field keeps its
// "0"); every paste ends in a value or a numbered error, and a failed
// compute changes no other field.
struct PasteCase {
    const char* name;
    std::string pasted;
    std::vector<std::string> otherTexts;  // Text2 and Text3 afterwards
    std::vector<int> errors;
};

inline const std::vector<PasteCase>& PasteCases()
{
    static const std::vector<PasteCase> cases = [] {
        std::string page;
        for (int line = 0; line < 60; ++line) {
            page += "За абсолютный нулевой уровень в проводной связи принята мощность 1 мвт.\r\n";
        }
        return std::vector<PasteCase>{
            {"APageOfText", page, {"0", "0,775"}, {13}},
            {"AMegabyteOfDigits", std::string(1 << 20, '1'), {"0", "0,775"}, {}},
            {"TheLongestFieldOfDigits", std::string(32767, '9'), {"0", "0,775"}, {6}},
            {"ATrailingLineBreak", "12,5\r\n", {"1,4391", "3,2681"}, {}},
            {"ControlCharacters",
             "1\x01\x02"
             "2",
             {"0", "0,775"},
             {13}},
            {"ARightToLeftMark", "\u200F10", {"0", "0,775"}, {13}},
            {"AByteOrderMark", " \uFEFF10", {"0", "0,775"}, {13}},
        };
    }();
    return cases;
}

class WindowPaste : public WindowTest, public ::testing::WithParamInterface<PasteCase> {};

// A paste ends in a value or a numbered error, and the window goes on.
TEST_P(WindowPaste, EndsInAValueOrANumberedErrorAndTheWindowGoesOn)
{
    const PasteCase& paste = GetParam();
    window->Click(Option1);
    window->Paste(Text1, paste.pasted);
    const Seen pasted = window->See(Text1);
    EXPECT_FALSE(pasted.text.empty());
    window->Click(Command1);
    EXPECT_EQ(Text(Text2), paste.otherTexts[0]);
    EXPECT_EQ(Text(Text3), paste.otherTexts[1]);
    EXPECT_EQ(Reports(), paste.errors);

    TypeInto(Text1, "1");
    window->Click(Command1);
    EXPECT_EQ(Texts(), (Texts3{"1", "0,1151", "0,8696"}));
    EXPECT_EQ(Reports(), paste.errors);
}

INSTANTIATE_TEST_SUITE_P(Pastes, WindowPaste, ::testing::ValuesIn(PasteCases()),
                         [](const auto& paste) { return std::string(paste.param.name); });

// A field at its length limit takes no more, whether pasted or typed, and
// a paste beyond it is refused whole rather than cut to another number.
TEST_F(WindowTest, AFieldTakesNoMoreThanItsLimitAndRefusesALongerPasteWhole)
{
    window->Click(Option1);
    const std::string full(kLongestFieldText, '7');
    window->Paste(Text1, full);
    window->TypeKeys("8");
    EXPECT_EQ(Text(Text1), full);
    window->Paste(Text1, std::string(kLongestFieldText + 1, '9'));
    EXPECT_EQ(Text(Text1), full);
}

}  // namespace
}  // namespace level::testing
