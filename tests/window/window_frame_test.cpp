// The window among others: its height after a clear and a resize by the
// user, and a switch to another window.

#include "distributor_names.h"
#include "window/designed_form.h"
#include "window/window_test.h"

namespace level::testing {
namespace {

// Each clear sets the height again, even after the user has made the window
// taller: the cleared outer height less the designed frame (345 twips above
// the client area, 60 below), whatever frame the window system draws. The
// contact line's first line stays whole in what is left.
TEST_F(WindowTest, ClearLeavesTheContactLineWholeAtTheDesignedHeightEachTime)
{
    const PixelSize cleared{window->ClientSize().width,
                            Pixels(kClearedOuterHeight - kDesignedFrame)};
    window->Click(Command2);
    EXPECT_EQ(window->ClientSize(), cleared);
    window->ResizeClient({cleared.width, cleared.height + 60});
    window->Click(Command2);
    EXPECT_EQ(window->ClientSize(), cleared);

    EXPECT_EQ(Texts(), (Texts3{"", "", ""}));
    const Seen label1 = window->See(Label1);
    EXPECT_EQ(label1.text,
              "  Предложения и пожелания по адресу: " + DistributorName("LEVEL_CONTACT_EMAIL"));
    EXPECT_EQ(label1.fontPoints, 8);
    EXPECT_LE(label1.place->top + label1.lineHeight, cleared.height);
    EXPECT_GT(label1.place->top + label1.place->height, cleared.height);  // the rest is cut off
}

// A clear while the window is maximised leaves it maximised; restored, it
// has the cleared height.
TEST_F(WindowTest, ClearWhileMaximisedKeepsItMaximisedAndClearsTheRestoredHeight)
{
    const PixelSize start = window->ClientSize();
    window->SetMaximised(true);
    ASSERT_TRUE(window->SeeWindow().maximised);
    window->Click(Command2);
    EXPECT_TRUE(window->SeeWindow().maximised);
    EXPECT_GT(window->ClientSize().height, start.height);
    window->SetMaximised(false);
    EXPECT_EQ(window->ClientSize(),
              (PixelSize{start.width, Pixels(kClearedOuterHeight - kDesignedFrame)}));
}

// Leaving the window for another and coming back gives the focus back to
// the control that had it, ready for typing.
TEST_F(WindowTest, GivesTheFocusBackWhenTheUserReturns)
{
    window->Click(Option3);
    ASSERT_EQ(window->Focused(), Text2);
    window->SwitchToAnotherWindow();
    EXPECT_EQ(window->Focused(), None);
    window->SwitchBack();
    EXPECT_EQ(window->Focused(), Text2);
    window->TypeKeys("1");
    window->Click(Command1);
    EXPECT_EQ(Text(Text1), "8,686");
}

}  // namespace
}  // namespace level::testing
