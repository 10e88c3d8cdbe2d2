#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/converter_model.h"

namespace level::testing {

// The keys the window's behaviours press.
enum class Key { Tab, Backtab, Up, Down, Left, Right, Enter, Escape, Space };

// A rectangle in pixels of the window's client area.
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

// The converter window, shown and active, as a user meets it: what they do
// to it and what they see. Each toolkit's tests implement it through that
// toolkit's real input and real controls, so that every behaviour written
// against it runs on both windows. Controls go by the window's own names
// ("Text1", "Option2", "Command1", "Label1"; "Form1" is the window itself).
class WindowDriver {
public:
    virtual ~WindowDriver() = default;

    // What the user does.
    virtual void Click(std::string_view control) = 0;
    // A key press to the control that has the focus.
    virtual void Press(Key key) = 0;
    // Character keys, one press each, to the control that has the focus.
    virtual void TypeKeys(std::string_view text) = 0;
    // Puts the focus in a field and selects its whole text, as a user's
    // triple click or Ctrl+A would.
    virtual void FocusAndSelectAll(std::string_view field) = 0;
    // The text onto the clipboard, then pasted over the field's whole text.
    virtual void Paste(std::string_view field, const std::string& text) = 0;
    virtual void ResizeClient(PixelSize size) = 0;
    // Another top-level window takes the activation, then this one again.
    virtual void SwitchToAnotherWindow() = 0;
    virtual void SwitchBack() = 0;

    // What the user sees.
    [[nodiscard]] virtual std::string Text(std::string_view control) const = 0;
    [[nodiscard]] virtual bool Enabled(std::string_view control) const = 0;
    [[nodiscard]] virtual bool Checked(std::string_view option) const = 0;
    // The name of the control that has the keyboard focus, or "".
    [[nodiscard]] virtual std::string Focused() const = 0;
    // The selected characters of a field: first and one past the last.
    [[nodiscard]] virtual std::pair<int, int> Selection(std::string_view field) const = 0;
    // The index of the first character the field shows at its left edge.
    [[nodiscard]] virtual int FirstVisibleCharacter(std::string_view field) = 0;
    [[nodiscard]] virtual int TextLimit(std::string_view field) const = 0;
    [[nodiscard]] virtual int FontPoints(std::string_view control) const = 0;
    // The height of one line of text in the control's font, in pixels.
    [[nodiscard]] virtual int LineHeight(std::string_view control) const = 0;
    // Where a control stands; none for one the toolkit paints rather than
    // places.
    [[nodiscard]] virtual std::optional<PixelRect> Geometry(std::string_view control) const = 0;
    [[nodiscard]] virtual PixelSize ClientSize() const = 0;
    // A pixel as painted, 0xRRGGBB, at a point of the client area.
    [[nodiscard]] virtual std::uint32_t PixelAt(int x, int y) = 0;
    [[nodiscard]] virtual int TwipsToPixels(int twips) const = 0;

    // What the window holds behind it, and what it reported.
    [[nodiscard]] virtual const ConverterModel& Model() const = 0;
    [[nodiscard]] virtual const std::vector<int>& ReportedErrors() const = 0;
    // The three field texts as shown when the last report came.
    [[nodiscard]] virtual const std::vector<std::string>& ShownAtReport() const = 0;
};

// The window of the toolkit under test, freshly made, shown and active.
std::unique_ptr<WindowDriver> MakeWindowDriver();

}  // namespace level::testing
