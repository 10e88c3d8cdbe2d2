// The window at start: its texts, look, focus and tab order.

#include "window/designed_form.h"
#include "window/window_test.h"

namespace level::testing {
namespace {

using Stops = std::vector<Control>;

TEST_F(WindowTest, StartsGreyedWithNoOptionAndTheFocusOnOption1)
{
    EXPECT_EQ(Texts(), (Texts3{"0", "0", "0,775"}));
    EXPECT_EQ(Enabled(), (Flags3{false, false, false}));
    EXPECT_EQ(Checked(), (Flags3{false, false, false}));
    EXPECT_EQ(window->Focused(), Option1);
    EXPECT_EQ(window->See(Label1).fontPoints, 8);
    EXPECT_EQ(window->SeeWindow().text, kDesignedWindowCaption);
    EXPECT_EQ(window->ClientSize(),
              (PixelSize{Pixels(kDesignedClientWidth), Pixels(kDesignedClientHeight)}));
}

// Each field is flat: one plain line of one colour all round, the field's
// own colour just inside it.
TEST_F(WindowTest, DrawsTheFieldsFlatWithAPlainBorder)
{
    const std::uint32_t face = window->PixelAt(Pixels(5470), Pixels(2000));
    for (const Control name : {Text1, Text2, Text3}) {
        const PixelRect field = window->See(name).place.value();
        const int middle = field.top + field.height / 2;
        const std::uint32_t border = window->PixelAt(field.left, middle);
        EXPECT_NE(border, face) << name;
        EXPECT_EQ(window->PixelAt(field.left + field.width - 1, middle), border) << name;
        EXPECT_EQ(window->PixelAt(field.left + field.width / 2, field.top), border) << name;
        EXPECT_EQ(window->PixelAt(field.left + field.width / 2, field.top + field.height - 1),
                  border)
            << name;
        // No second line of a 3-D edge inside the first: the field's own
        // colour just inside, alike on both sides.
        const std::uint32_t inside = window->PixelAt(field.left + 1, middle);
        EXPECT_NE(inside, border) << name;
        EXPECT_EQ(window->PixelAt(field.left + field.width - 2, middle), inside) << name;
    }
}

// The flat fields' one line is drawn in the platform's frame colour.
TEST_F(WindowTest, DrawsTheFieldBordersInTheFrameColour)
{
    for (const Control field : {Text1, Text2, Text3}) {
        const PixelRect place = window->See(field).place.value();
        EXPECT_EQ(window->PixelAt(place.left, place.top + place.height / 2), window->FrameColour())
            << field;
    }
}

// A disabled field is drawn greyed on the window's own face colour; an
// enabled one on a colour of its own.
TEST_F(WindowTest, DrawsADisabledFieldOnTheWindowColour)
{
    // Right of the outline, where nothing but the window itself is drawn.
    const std::uint32_t face = window->PixelAt(Pixels(5470), Pixels(2000));
    auto inside = [this](Control field) {
        const PixelRect rect = window->See(field).place.value();
        return window->PixelAt(rect.left + rect.width - 4, rect.top + rect.height - 4);
    };
    for (const Control field : {Text1, Text2, Text3}) {
        EXPECT_EQ(inside(field), face) << field;
    }
    window->Click(Option1);
    EXPECT_NE(inside(Text1), face);
    EXPECT_EQ(inside(Text2), face);
}

// Where the focus went after each key.
Stops FocusAfter(WindowDriver& window, const std::vector<Key>& keys)
{
    Stops stops;
    for (const Key key : keys) {
        window.Press(key);
        stops.push_back(window.Focused());
    }
    return stops;
}

// The option group is one tab stop: its checked option, or Option1 while
// none is. Disabled fields are passed over, and tabbing selects no option.
TEST_F(WindowTest, TabsInTheDesignedOrderWithTheOptionsAsOneStop)
{
    EXPECT_EQ(FocusAfter(*window, {Key::Tab, Key::Tab, Key::Tab}),
              (Stops{Command1, Command2, Option1}));
    EXPECT_EQ(FocusAfter(*window, {Key::Backtab, Key::Backtab}), (Stops{Command2, Command1}));
    EXPECT_EQ(Checked(), (Flags3{false, false, false}));

    window->Click(Option2);
    EXPECT_EQ(FocusAfter(*window, {Key::Tab, Key::Tab, Key::Tab, Key::Tab}),
              (Stops{Command1, Command2, Option2, Text3}));
    EXPECT_EQ(FocusAfter(*window, {Key::Backtab}), (Stops{Option2}));
    EXPECT_TRUE(Reports().empty());
}

// An arrow key on an option clicks the option beside it as the row reads on
// screen, «Неперы», «Вольты», «Децибеллы», wrapping at the ends; its
// handler puts the focus in its field.
TEST_F(WindowTest, ArrowKeysClickTheOptionBesideOnScreen)
{
    window->Click(Option1);
    const std::tuple<Key, Control, Control> steps[] = {{Key::Left, Option2, Text3},
                                                       {Key::Right, Option1, Text1},
                                                       {Key::Down, Option3, Text2},
                                                       {Key::Up, Option1, Text1}};
    for (const auto& [key, selected, focused] : steps) {
        if (IsField(window->Focused())) {
            // Back to the group: it stands next to the field in tab order.
            window->Press(window->Focused() == Text1 ? Key::Tab : Key::Backtab);
        }
        ASSERT_EQ(RowOf(window->Focused()).kind, ControlKind::Option) << window->Focused();
        window->Press(key);
        EXPECT_TRUE(window->See(selected).checked) << selected;
        EXPECT_EQ(window->Focused(), focused) << selected;
        EXPECT_TRUE(window->See(focused).enabled) << selected;
    }
}

}  // namespace
}  // namespace level::testing
