// The window at start: its texts, places, captions and tab order.

#include <string>
#include <vector>

#include "designed_form.h"
#include "window_test.h"

namespace level::testing {
namespace {

using Texts3 = std::vector<std::string>;
using Flags3 = std::vector<bool>;
using Names = std::vector<std::string>;

TEST_F(WindowTest, StartsGreyedWithNoOptionAndTheFocusOnOption1)
{
    EXPECT_EQ(Texts(), (Texts3{"0", "0", "0,775"}));
    EXPECT_EQ(Enabled(), (Flags3{false, false, false}));
    EXPECT_EQ(Checked(), (Flags3{false, false, false}));
    EXPECT_EQ(window->Focused(), "Option1");
    EXPECT_TRUE(window->Text("Label1").starts_with(kDesignedReferenceExplanation));
    EXPECT_EQ(window->FontPoints("Label1"), 8);
    EXPECT_EQ(window->Text("Form1"), kDesignedWindowCaption);
    EXPECT_EQ(window->ClientSize(),
              (PixelSize{Pixels(kDesignedClientWidth), Pixels(kDesignedClientHeight)}));
}

TEST_F(WindowTest, PlacesEveryControlAtItsDesignedPlaceWithItsCaption)
{
    for (const DesignedControl& control : kDesignedControls) {
        if (const auto placed = window->Geometry(control.name)) {
            EXPECT_EQ(*placed, (PixelRect{Pixels(control.left), Pixels(control.top),
                                          Pixels(control.width), Pixels(control.height)}))
                << control.name;
        }
        if (!control.caption.empty()) {
            EXPECT_EQ(window->Text(control.name), control.caption) << control.name;
        }
    }
    for (const char* name : {"Text1", "Text2", "Text3", "Label2", "Label3", "Label4"}) {
        EXPECT_EQ(window->FontPoints(name), 24) << name;
    }
}

// Each key moves the focus; where it went after each press.
Names FocusAfter(WindowDriver& window, const std::vector<Key>& keys)
{
    Names stops;
    for (const Key key : keys) {
        window.Press(key);
        stops.push_back(window.Focused());
    }
    return stops;
}

// The option group is one tab stop: its checked option, or Option1 while
// none is checked. Disabled fields are passed over, and tabbing selects no
// option.
TEST_F(WindowTest, TabsInTheDesignedOrderWithTheOptionsAsOneStop)
{
    const std::vector<Key> threeTabs(3, Key::Tab);
    EXPECT_EQ(FocusAfter(*window, threeTabs), (Names{"Command1", "Command2", "Option1"}));
    EXPECT_EQ(FocusAfter(*window, {Key::Backtab, Key::Backtab}), (Names{"Command2", "Command1"}));
    EXPECT_EQ(Checked(), (Flags3{false, false, false}));

    window->Click("Option2");
    EXPECT_EQ(FocusAfter(*window, std::vector<Key>(4, Key::Tab)),
              (Names{"Command1", "Command2", "Option2", "Text3"}));
    EXPECT_EQ(FocusAfter(*window, {Key::Backtab}), (Names{"Option2"}));
    EXPECT_TRUE(window->ReportedErrors().empty());
}

// Down and Right select the next option in tab order, Up and Left the one
// before, wrapping within the three; each selection is a click, and its
// handler puts the focus in its field.
TEST_F(WindowTest, ArrowKeysClickTheNextOptionInTabOrder)
{
    struct Step {
        Key key;
        const char* selected;
        const char* focused;
    };
    const Step steps[] = {
        {Key::Down, "Option2", "Text3"},  {Key::Right, "Option3", "Text2"},
        {Key::Down, "Option1", "Text1"},  {Key::Up, "Option3", "Text2"},
        {Key::Left, "Option2", "Text3"},  {Key::Left, "Option1", "Text1"},
    };
    for (const Step& step : steps) {
        if (window->Focused().starts_with("Text")) {
            // Back to the group: the field before or after it in tab order.
            window->Press(window->Focused() == "Text1" ? Key::Tab : Key::Backtab);
        }
        ASSERT_TRUE(window->Focused().starts_with("Option")) << window->Focused();
        window->Press(step.key);
        EXPECT_TRUE(window->Checked(step.selected)) << step.selected;
        EXPECT_EQ(window->Focused(), step.focused) << step.selected;
        EXPECT_TRUE(window->Enabled(step.focused)) << step.selected;
    }
}

}  // namespace
}  // namespace level::testing
