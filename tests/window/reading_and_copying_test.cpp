// Reading a result and taking it elsewhere: greyed yet readable, whole on
// hover, copied from a field's menu or with its keys.

#include <algorithm>

#include "window/designed_form.h"
#include "window/field_colours.h"
#include "window/window_test.h"

namespace level::testing {
namespace {

using Items = std::vector<std::string>;

class ComputedWindowTest : public WindowTest {
protected:
    // 10 dB typed and computed with a click, which leaves the focus on
    // «вычислить».
    void SetUp() override
    {
        WindowTest::SetUp();
        window->Click(Option1);
        window->TypeKeys("10");
        window->Click(Command1);
        ASSERT_EQ(Texts(), (Texts3{"10", "1,1513", "2,4508"}));
    }
};

// Results show greyed: on another background and in another text colour
// than the entered field's. (How readable the grey is, each toolkit's own
// tests say: the Qt window chooses it, the Windows one takes the system's.)
TEST_F(ComputedWindowTest, ShowsTheResultsGreyed)
{
    const FieldColours entered = ColoursOf(*window, Text1);
    for (const Control result : {Text2, Text3}) {
        const FieldColours greyed = ColoursOf(*window, result);
        EXPECT_NE(greyed.text, entered.text) << result;
        EXPECT_NE(greyed.background, entered.background) << result;
    }
}

// A long greyed result computed: each field's whole text.
class LongResultWindowTest : public ComputedWindowTest {
protected:
    void SetUp() override
    {
        ComputedWindowTest::SetUp();
        TypeInto(Text1, "300");
        window->Click(Command1);
    }
    const std::pair<Control, const char*> shown_[3] = {
        {Text1, "300"}, {Text2, "34,5383"}, {Text3, "775000000000000"}};
};

TEST_F(LongResultWindowTest, ShowsEachFieldsWholeTextOnHover)
{
    for (const auto& [field, text] : shown_) {
        EXPECT_EQ(window->See(field).toolTip, text) << field;
    }
}

// The words of a text, one blank between each, as a screen reader's name
// computation leaves them (a browser's collapses runs of blanks).
std::string Words(std::string_view text)
{
    std::string words;
    for (const char character : text) {
        if (character != ' ' || (!words.empty() && words.back() != ' ')) {
            words += character;
        }
    }
    return words;
}

// A screen reader names each field by its quantity and unit, the other
// controls by their captions and the information line by its words, and
// reads each field's whole text as its value.
TEST_F(LongResultWindowTest, TellsAScreenReaderEachNameAndEachFieldsWholeText)
{
    if (!window->AskScreenReader(Text1)) {
        GTEST_SKIP() << "the screen-reader interface cannot be asked here";
    }
    for (const auto& [control, name] : kAccessibleNames) {
        EXPECT_EQ(window->AskScreenReader(control).value().name, name) << control;
    }
    EXPECT_TRUE(Words(window->AskScreenReader(Label1).value().name)
                    .starts_with(Words(kDesignedReferenceExplanation)));
    for (const auto& [field, text] : shown_) {
        EXPECT_EQ(window->AskScreenReader(field).value().value, text) << field;
    }
}

// Ctrl+C in a field copies what its menu's «Копировать» copies: the
// selection, or else the field's whole text, as it stands before a compute
// too. Ctrl+Shift+C copies the three fields as one line, from anywhere, while
// they are one result; after typing without a compute the clipboard keeps
// what it held.
TEST_F(ComputedWindowTest, CtrlCCopiesTheFieldAndCtrlShiftCTheResultLine)
{
    window->Press(Key::CtrlShiftC);
    EXPECT_EQ(window->Clipboard(), "10 дБ = 1,1513 Нп = 2,4508 В");
    TypeInto(Text1, "5");
    window->Press(Key::CtrlShiftC);
    EXPECT_EQ(window->Clipboard(), "10 дБ = 1,1513 Нп = 2,4508 В");
    window->Press(Key::CtrlC);
    EXPECT_EQ(window->Clipboard(), "5");
    window->RightClickAndChoose(Text3, "Копировать");
    window->FocusAndSelectAll(Text1);
    window->Press(Key::CtrlC);
    EXPECT_EQ(window->Clipboard(), "5");
}

// A greyed field's menu copies its whole text, and the field stays greyed
// and unfocused; the result line is an item of its own.
TEST_F(ComputedWindowTest, AGreyedFieldsMenuCopiesItsWholeText)
{
    EXPECT_EQ(window->RightClickAndChoose(Text3, "Копировать"),
              (Items{"Копировать  Ctrl+C", "-", "Копировать результат  Ctrl+Shift+C"}));
    EXPECT_EQ(window->Clipboard(), "2,4508");
    EXPECT_FALSE(window->See(Text3).enabled);
    EXPECT_EQ(window->Focused(), Command1);
    window->RightClickAndChoose(Text2, "Копировать результат");
    EXPECT_EQ(window->Clipboard(), "10 дБ = 1,1513 Нп = 2,4508 В");
}

// The entered field's menu holds the editing commands, in Russian, each
// beside the keys that do the same; with nothing selected, «Копировать»
// copies the whole text, and in an emptied field it and the result line
// are greyed and the clipboard keeps what it held.
TEST_F(ComputedWindowTest, TheEnteredFieldsMenuEditsInRussian)
{
    window->Press(Key::CtrlShiftC);  // something to paste
    EXPECT_EQ(window->RightClickAndChoose(Text1, "Копировать"),
              (Items{"Отменить действие  Ctrl+Z", "(Повторить действие  Ctrl+Shift+Z)", "-",
                     "(Вырезать  Ctrl+X)", "Копировать  Ctrl+C", "Вставить  Ctrl+V", "(Удалить)",
                     "-", "Выделить всё  Ctrl+A", "-", "Копировать результат  Ctrl+Shift+C"}));
    EXPECT_EQ(window->Clipboard(), "10");
    window->Click(Command2);
    window->Click(Option1);
    const Items emptied = window->RightClickAndChoose(Text1, "Копировать");
    for (const char* greyed : {"(Копировать  Ctrl+C)", "(Копировать результат  Ctrl+Shift+C)"}) {
        EXPECT_EQ(std::ranges::count(emptied, greyed), 1) << greyed;
    }
    window->Press(Key::CtrlC);
    EXPECT_EQ(window->Clipboard(), "10");
}

TEST_F(WindowTest, TheKeypadsDecimalKeyTypesTheUsersSeparator)
{
    window->Click(Option1);
    window->TypeKeys("2");
    window->Press(Key::KeypadDecimal);
    window->TypeKeys("5");
    EXPECT_EQ(Text(Text1), "2,5");
    window->Click(Command1);
    EXPECT_EQ(Texts(), (Texts3{"2,5", "0,2878", "1,0335"}));
}

// Enter presses a focused push button, as in a Windows dialog.
TEST_F(WindowTest, EnterPressesAFocusedButton)
{
    window->Click(Option1);
    window->TypeKeys("10");
    window->Press(Key::Tab);
    window->Press(Key::Tab);
    ASSERT_EQ(window->Focused(), Command1);
    window->Press(Key::Enter);
    EXPECT_EQ(Texts(), (Texts3{"10", "1,1513", "2,4508"}));
    window->Press(Key::Tab);
    window->Press(Key::Enter);
    EXPECT_EQ(Texts(), (Texts3{"", "", ""}));

    // Focused by a click, not by Tab: a second clear sets the height again.
    window->Click(Command2);
    const PixelSize cleared = window->ClientSize();
    window->ResizeClient({cleared.width, cleared.height + 60});
    window->Press(Key::Enter);
    EXPECT_EQ(window->ClientSize(), cleared);
}

// The focused field's border takes the highlight colour; the others keep
// the frame colour.
TEST_F(WindowTest, AFocusedFieldShowsItsFocusInItsBorder)
{
    window->Click(Option1);
    auto leftBorder = [this](Control field) {
        const PixelRect place = window->See(field).place.value();
        return window->PixelAt(place.left, place.top + place.height / 2);
    };
    EXPECT_EQ(leftBorder(Text1), window->HighlightColour());
    EXPECT_NE(leftBorder(Text2), window->HighlightColour());
    window->Press(Key::Tab);
    EXPECT_EQ(leftBorder(Text1), leftBorder(Text2));
}

}  // namespace
}  // namespace level::testing
