// A window that can be maximised, as the desktop windows can (a page
// cannot): a clear while maximised.

#include "window/designed_form.h"
#include "window/window_test.h"

namespace level::testing {
namespace {

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

}  // namespace
}  // namespace level::testing
