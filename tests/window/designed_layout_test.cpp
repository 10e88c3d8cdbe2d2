// The window as designed, alike on every display: each control's place,
// caption and font, the height a clear leaves, and the distributor's names.

#include "distributor_names.h"
#include "window/designed_form.h"
#include "window/window_test.h"

namespace level::testing {
namespace {

TEST_F(WindowTest, PlacesEveryControlAtItsDesignedPlaceWithItsCaptionAndFont)
{
    EXPECT_EQ(Text(Label1),
              std::string(kDesignedReferenceExplanation) + DistributorName("LEVEL_MAKER_NOTICE"));
    for (const DesignedControl& control : kDesignedControls) {
        const Seen seen = window->See(control.control);
        EXPECT_EQ(seen.place, (PixelRect{Pixels(control.left), Pixels(control.top),
                                         Pixels(control.width), Pixels(control.height)}))
            << control.control;
        if (!control.caption.empty()) {
            EXPECT_EQ(seen.text, control.caption) << control.control;
        }
        if (control.points != 0) {
            EXPECT_EQ(seen.fontPoints, control.points) << control.control;
        }
    }
}

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

}  // namespace
}  // namespace level::testing
