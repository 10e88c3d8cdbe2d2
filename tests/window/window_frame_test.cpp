// The window among others: a clear while maximised, and a switch to another
// window.

#include "window/designed_form.h"
#include "window/window_test.h"

namespace level::testing {
namespace {

// A clear while the window is maximised leaves it maximised; restored, it
// has the cleared height.
TEST_F(WindowTest, ClearWhileMaximisedKeepsItMaximisedAndClearsTheRestoredHeight)
{
    const PixelSize start = window->ClientSize();
    if (!window->SetMaximised(true)) {
        GTEST_SKIP() << "this window has no maximised state";
    }
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
