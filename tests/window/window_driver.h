#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "capturing_report.h"
#include "model/form1_layout.h"

namespace level {

// A control in a test's message by its name.
inline std::ostream& operator<<(std::ostream& out, Control control)
{
    return out << (control == Control::None ? "(none)" : RowOf(control).name);
}

namespace testing {

using enum Control;

// The keys the window's behaviours press.
// clang-format off
enum class Key { Tab, Backtab, Up, Down, Left, Right, Enter, Escape, Space, CtrlC, CtrlShiftC,
                 KeypadDecimal, CtrlA };
// clang-format on

// Pixels of the window's client area.
struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// What the user sees of one control.
struct Seen {
    std::string text{};     // a field's text, a caption, the window's title
    std::string toolTip{};  // what hovering it shows
    bool enabled = false;
    bool maximised = false;  // the window only
    bool checked = false;
    int fontPoints = 0;
    int lineHeight = 0;                // one line of its font, in pixels
    std::optional<PixelRect> place{};  // none for the window itself
    // Fields only: the selection (first, one past the last character) and
    // the first character shown at the left edge.
    std::pair<int, int> selection{};
    int firstVisible = 0;
};

// What a screen reader is told of a control.
struct Spoken {
    std::string name;
    std::string value;
};

// The converter window, shown and active, as a user meets it: what they do
// to it and what they see. Each toolkit's tests implement it with that
// toolkit's real input and real controls, so that every behaviour written
// against it runs on both windows.
class WindowDriver {
public:
    virtual ~WindowDriver() = default;

    // A mouse click, a key press to the focused control, character keys to
    // it one press each.
    virtual void Click(Control control) = 0;
    virtual void Press(Key key) = 0;
    virtual void TypeKeys(std::string_view text) = 0;
    // The focus into a field with its whole text selected, as a triple
    // click would leave it.
    virtual void FocusAndSelectAll(Control field) = 0;
    // The text onto the clipboard, then pasted over the field's whole text.
    virtual void Paste(Control field, const std::string& text) = 0;
    virtual void ResizeClient(PixelSize size) = 0;
    virtual void SetMaximised(bool maximised) = 0;
    // A right click on the control opens its menu; the item of this text is
    // chosen, or none for "". Gives the menu's items as shown, without their
    // mnemonics and shortcuts: "-" for a separator, a greyed item in
    // parentheses.
    virtual std::vector<std::string> RightClickAndChoose(Control control,
                                                         std::string_view item) = 0;
    // Another top-level window takes the activation, then this one again.
    virtual void SwitchToAnotherWindow() = 0;
    virtual void SwitchBack() = 0;

    [[nodiscard]] virtual Seen See(Control control) = 0;
    // The window itself: its title, whether it is maximised.
    [[nodiscard]] virtual Seen SeeWindow() = 0;
    // What the platform's screen-reader interface tells of a control, or
    // none where it cannot be asked here.
    [[nodiscard]] virtual std::optional<Spoken> AskScreenReader(Control control) = 0;
    // The control with the keyboard focus, or none.
    [[nodiscard]] virtual Control Focused() const = 0;
    [[nodiscard]] virtual PixelSize ClientSize() const = 0;
    [[nodiscard]] virtual std::string Clipboard() const = 0;
    // The style's focus cue and selection colour, and the colour of the
    // platform's plain frames, 0xRRGGBB.
    [[nodiscard]] virtual std::uint32_t HighlightColour() const = 0;
    [[nodiscard]] virtual std::uint32_t FrameColour() const = 0;
    // A pixel as painted, 0xRRGGBB.
    [[nodiscard]] virtual std::uint32_t PixelAt(int x, int y) = 0;
    [[nodiscard]] virtual int TwipsToPixels(int twips) const = 0;

    // Stands in for the window's message box.
    CapturingReport report;
};

// The window of the toolkit under test, freshly made, shown and active.
std::unique_ptr<WindowDriver> MakeWindowDriver();

}  // namespace testing
}  // namespace level
