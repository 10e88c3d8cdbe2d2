// The window among others: its height after a clear, a resize by the user,
// a switch to another window, and how it draws a disabled field.

#include <string>
#include <vector>

#include "designed_form.h"
#include "window_test.h"

namespace level::testing {
namespace {

// The client area a clear leaves: the cleared outer height less the
// designed frame (345 twips above the client area, 60 below), whatever
// frame the window system draws.
constexpr int kClearedClientHeight = kClearedOuterHeight - 405;

// Each clear sets the height again, even after the user has made the window
// taller, and the contact line's first line stays whole in what is left.
TEST_F(WindowTest, ClearLeavesTheContactLineWholeAtTheDesignedHeightEachTime)
{
    const int width = window->ClientSize().width;
    window->Click("Command2");
    EXPECT_EQ(window->ClientSize(), (PixelSize{width, Pixels(kClearedClientHeight)}));
    window->ResizeClient({width, window->ClientSize().height + 60});
    window->Click("Command2");
    EXPECT_EQ(window->ClientSize(), (PixelSize{width, Pixels(kClearedClientHeight)}));

    EXPECT_EQ(std::vector<std::string>({window->Text("Text1"), window->Text("Text2"),
                                        window->Text("Text3")}),
              (std::vector<std::string>{"", "", ""}));
    EXPECT_TRUE(window->Text("Label1").starts_with("  Предложения и пожелания по адресу: "));
    EXPECT_EQ(window->FontPoints("Label1"), 8);
    const PixelRect label1 = window->Geometry("Label1").value();
    const int clientHeight = window->ClientSize().height;
    EXPECT_LE(label1.top + window->LineHeight("Label1"), clientHeight);
    EXPECT_GT(label1.top + label1.height, clientHeight);  // the rest is cut off
}

// A resize by the user moves no control.
TEST_F(WindowTest, AResizeMovesNoControl)
{
    const auto command1 = window->Geometry("Command1");
    const PixelSize start = window->ClientSize();
    window->ResizeClient({start.width + 40, start.height + 40});
    EXPECT_EQ(window->ClientSize(), (PixelSize{start.width + 40, start.height + 40}));
    EXPECT_EQ(window->Geometry("Command1"), command1);
}

// Leaving the window for another and coming back gives the focus back to
// the control that had it.
TEST_F(WindowTest, GivesTheFocusBackWhenTheUserReturns)
{
    window->Click("Option3");
    ASSERT_EQ(window->Focused(), "Text2");
    window->SwitchToAnotherWindow();
    EXPECT_EQ(window->Focused(), "");
    window->SwitchBack();
    EXPECT_EQ(window->Focused(), "Text2");
    window->TypeKeys("1");
    window->Click("Command1");
    EXPECT_EQ(window->Text("Text1"), "8,686");
}

// A disabled field is drawn greyed on the window's own face colour; an
// enabled one on a colour of its own.
TEST_F(WindowTest, DrawsADisabledFieldOnTheWindowColour)
{
    // Right of the outline, where nothing is drawn but the window itself.
    const std::uint32_t face = window->PixelAt(Pixels(5470), Pixels(2000));
    auto inside = [this](const char* field) {
        const PixelRect rect = window->Geometry(field).value();
        return window->PixelAt(rect.left + rect.width - 4, rect.top + rect.height - 4);
    };
    for (const char* field : {"Text1", "Text2", "Text3"}) {
        EXPECT_EQ(inside(field), face) << field;
    }
    window->Click("Option1");
    EXPECT_NE(inside("Text1"), face);
    EXPECT_EQ(inside("Text2"), face);
}

}  // namespace
}  // namespace level::testing
