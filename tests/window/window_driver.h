#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/converter_model.h"
#include "window/capturing_report.h"

namespace level::testing {

// The keys the window's behaviours press.
enum class Key { Tab, Backtab, Up, Down, Left, Right, Enter, Escape, Space, CtrlC, KeypadDecimal };

// Pixels of the window's client area.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};
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
    std::optional<PixelRect> place{};  // none for an outline the window paints
    // Fields only: the selection (first, one past the last character), the
    // first character shown at the left edge, and the most text it takes.
    std::pair<int, int> selection{};
    int firstVisible = 0;
    int limit = 0;
};

// The converter window, shown and active, as a user meets it: what they do
// to it and what they see. Each toolkit's tests implement it with that
// toolkit's real input and real controls, so that every behaviour written
// against it runs on both windows. Controls go by the window's own names
// ("Text1", "Option2", "Label1"; "Form1" is the window itself).
class WindowDriver {
public:
    virtual ~WindowDriver() = default;

    // A mouse click, a key press to the focused control, character keys to
    // it one press each.
    virtual void Click(std::string_view control) = 0;
    virtual void Press(Key key) = 0;
    virtual void TypeKeys(std::string_view text) = 0;
    // The focus into a field with its whole text selected, as a triple
    // click would leave it.
    virtual void FocusAndSelectAll(std::string_view field) = 0;
    // The text onto the clipboard, then pasted over the field's whole text.
    virtual void Paste(std::string_view field, const std::string& text) = 0;
    virtual void ResizeClient(PixelSize size) = 0;
    virtual void SetMaximised(bool maximised) = 0;
    // A right click on the control opens its menu; the item of this text is
    // chosen, or none for "". Gives the menu's items as shown, without their
    // mnemonics and shortcuts: "-" for a separator, a greyed item in
    // parentheses.
    virtual std::vector<std::string> RightClickAndChoose(std::string_view control,
                                                         std::string_view item) = 0;
    // Another top-level window takes the activation, then this one again.
    virtual void SwitchToAnotherWindow() = 0;
    virtual void SwitchBack() = 0;

    [[nodiscard]] virtual Seen See(std::string_view control) = 0;
    // The name of the control with the keyboard focus, or "".
    [[nodiscard]] virtual std::string Focused() const = 0;
    [[nodiscard]] virtual PixelSize ClientSize() const = 0;
    [[nodiscard]] virtual std::string Clipboard() const = 0;
    // The style's focus cue and selection colour, 0xRRGGBB.
    [[nodiscard]] virtual std::uint32_t HighlightColour() const = 0;
    // A pixel as painted, 0xRRGGBB.
    [[nodiscard]] virtual std::uint32_t PixelAt(int x, int y) = 0;
    [[nodiscard]] virtual int TwipsToPixels(int twips) const = 0;
    [[nodiscard]] virtual const ConverterModel& Model() const = 0;

    // Stands in for the window's message box.
    CapturingReport report;
};

// The window of the toolkit under test, freshly made, shown and active.
std::unique_ptr<WindowDriver> MakeWindowDriver();

}  // namespace level::testing
