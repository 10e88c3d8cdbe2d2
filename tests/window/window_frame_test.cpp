// The window among others: a switch to another window and back.

#include "window/designed_form.h"
#include "window/window_test.h"

namespace level::testing {
namespace {

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
