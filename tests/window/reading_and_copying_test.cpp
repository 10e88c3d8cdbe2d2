// Reading a result and taking it elsewhere: greyed yet readable, whole on
// hover, copied from a field's menu or as one line with Ctrl+C.

#include <algorithm>
#include <cmath>

#include "window/window_test.h"

namespace level::testing {
namespace {

using Items = std::vector<std::string>;

// Contrast ratio of two colours, 0xRRGGBB, by the Web Content
// Accessibility Guidelines.
double Contrast(std::uint32_t one, std::uint32_t other)
{
    auto luminance = [](std::uint32_t colour) {
        auto linear = [](std::uint32_t channel) {
            const double value = channel / 255.0;
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear((colour >> 16) & 0xFF) + 0.7152 * linear((colour >> 8) & 0xFF) +
               0.0722 * linear(colour & 0xFF);
    };
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

class ComputedWindowTest : public WindowTest {
protected:
    // 10 dB typed and computed with a click, which leaves the focus on
    // «вычислить».
    void SetUp() override
    {
        WindowTest::SetUp();
        window->Click("Option1");
        window->TypeKeys("10");
        window->Click("Command1");
        ASSERT_EQ(Texts(), (Texts3{"10", "1,1513", "2,4508"}));
    }

    // The field's background, and the colour of its text where it stands
    // out most: the full strokes of the digits across the field's middle.
    std::pair<std::uint32_t, std::uint32_t> FieldColours(const char* field)
    {
        const PixelRect place = window->See(field).place.value();
        const std::uint32_t background = window->PixelAt(place.left + 3, place.top + 3);
        std::uint32_t text = background;
        const int middle = place.top + place.height / 2;
        for (int x = place.left + 2; x < place.left + place.width / 2; ++x) {
            const std::uint32_t pixel = window->PixelAt(x, middle);
            if (Contrast(pixel, background) > Contrast(text, background)) {
                text = pixel;
            }
        }
        return {background, text};
    }
};

// Results show greyed (another text colour than the entered field's) and
// still read at 4.5:1 or more.
TEST_F(ComputedWindowTest, ShowsGreyedResultsReadably)
{
    const auto [enteredBackground, enteredText] = FieldColours("Text1");
    for (const char* result : {"Text2", "Text3"}) {
        const auto [background, text] = FieldColours(result);
        EXPECT_NE(text, enteredText) << result;
        EXPECT_NE(background, enteredBackground) << result;
        EXPECT_GE(Contrast(text, background), 4.5) << result;
    }
}

TEST_F(ComputedWindowTest, ShowsEachFieldsWholeTextOnHover)
{
    TypeInto("Text1", "300");
    window->Click("Command1");
    EXPECT_EQ(window->See("Text1").toolTip, "300");
    EXPECT_EQ(window->See("Text2").toolTip, "34,5383");
    EXPECT_EQ(window->See("Text3").toolTip, "775000000000000");
}

// Ctrl+C with nothing selected copies the three fields as one line; with a
// selection, the selection.
TEST_F(ComputedWindowTest, CtrlCCopiesTheResultsAsOneLine)
{
    window->Press(Key::CtrlC);
    EXPECT_EQ(window->Clipboard(), "10 дБ = 1,1513 Нп = 2,4508 В");
    window->Press(Key::Tab);
    window->Press(Key::CtrlC);
    EXPECT_EQ(window->Clipboard(), "10 дБ = 1,1513 Нп = 2,4508 В");
    window->FocusAndSelectAll("Text1");
    window->Press(Key::CtrlC);
    EXPECT_EQ(window->Clipboard(), "10");
}

// A greyed field's menu copies its whole text, and the field stays greyed
// and unfocused.
TEST_F(ComputedWindowTest, AGreyedFieldsMenuCopiesItsWholeText)
{
    EXPECT_EQ(window->RightClickAndChoose("Text3", "Копировать"), (Items{"Копировать"}));
    EXPECT_EQ(window->Clipboard(), "2,4508");
    EXPECT_FALSE(window->See("Text3").enabled);
    EXPECT_EQ(window->Focused(), "Command1");
}

// The entered field's menu holds the editing commands, in Russian; with
// nothing selected, «Копировать» copies the whole text.
TEST_F(ComputedWindowTest, TheEnteredFieldsMenuEditsInRussian)
{
    window->Press(Key::CtrlC);  // something to paste
    EXPECT_EQ(window->RightClickAndChoose("Text1", "Копировать"),
              (Items{"Отменить действие", "(Повторить действие)", "-", "(Вырезать)", "Копировать",
                     "Вставить", "(Удалить)", "-", "Выделить всё"}));
    EXPECT_EQ(window->Clipboard(), "10");
}

TEST_F(WindowTest, TheKeypadsDecimalKeyTypesTheUsersSeparator)
{
    window->Click("Option1");
    window->TypeKeys("2");
    window->Press(Key::KeypadDecimal);
    window->TypeKeys("5");
    EXPECT_EQ(Text("Text1"), "2,5");
    window->Click("Command1");
    EXPECT_EQ(Texts(), (Texts3{"2,5", "0,2878", "1,0335"}));
    EXPECT_TRUE(Reports().empty());
}

// Enter presses a focused push button, as in a Windows dialog; in a field
// it presses nothing.
TEST_F(WindowTest, EnterPressesAFocusedButton)
{
    window->Click("Option1");
    window->TypeKeys("10");
    window->Press(Key::Enter);
    EXPECT_EQ(Text("Text2"), "0");
    window->Press(Key::Tab);
    window->Press(Key::Tab);
    ASSERT_EQ(window->Focused(), "Command1");
    window->Press(Key::Enter);
    EXPECT_EQ(Texts(), (Texts3{"10", "1,1513", "2,4508"}));
    window->Press(Key::Tab);
    window->Press(Key::Enter);
    EXPECT_EQ(Texts(), (Texts3{"", "", ""}));
}

// The focused field's border takes the highlight colour; the others keep
// the frame colour.
TEST_F(WindowTest, AFocusedFieldShowsItsFocusInItsBorder)
{
    window->Click("Option1");
    auto leftBorder = [this](const char* field) {
        const PixelRect place = window->See(field).place.value();
        return window->PixelAt(place.left, place.top + place.height / 2);
    };
    EXPECT_EQ(leftBorder("Text1"), window->HighlightColour());
    EXPECT_NE(leftBorder("Text2"), window->HighlightColour());
    window->Press(Key::Tab);
    EXPECT_EQ(leftBorder("Text1"), leftBorder("Text2"));
}

}  // namespace
}  // namespace level::testing
