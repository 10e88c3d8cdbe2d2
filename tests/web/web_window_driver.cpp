// The window behaviours' driver for the page: the user's own mouse and key
// events, sent to the page in headless Chromium over the DevTools protocol;
// what is seen, read from the page's elements, its accessibility tree and
// its screenshot.

#include <png.h>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <vector>

#include "web/devtools_pipe.h"
#include "window/window_driver.h"

namespace level::testing {
namespace {

using nlohmann::json;

// What the page's elements show of a control, by its id: the box, its text
// as a user reads it, its font and, for a field, its selection and scroll.
constexpr const char* kSeeScript = R"js((name) => {
  const element = document.getElementById(name);
  const box = element.type === 'radio' ? element.parentElement : element;
  const form = document.getElementById('Form1').getBoundingClientRect();
  const place = box.getBoundingClientRect();
  const field = element.type === 'text';
  const line = document.createRange();
  line.selectNodeContents(box);
  const firstLine = line.getClientRects()[0];
  return {
    text: field ? element.value : box.textContent,
    toolTip: element.title,
    enabled: !element.disabled && element.getAttribute('aria-disabled') !== 'true',
    checked: element.checked === true,
    fontPoints: Math.round(parseFloat(getComputedStyle(box).fontSize) * 0.75),
    lineHeight: firstLine === undefined ? 0 : Math.round(firstLine.height),
    place: [place.left - form.left, place.top - form.top, place.width, place.height].map(Math.round),
    selection: field ? [element.selectionStart, element.selectionEnd] : [0, 0],
    firstVisible: field && element.scrollLeft > 0
        ? Math.max(1, Math.floor(element.value.length * element.scrollLeft / element.scrollWidth)) : 0,
  };
})js";

// The menu as shown: each item's name and keys, greyed ones in
// parentheses, separators as "-".
constexpr const char* kMenuScript = R"js((() => {
  const menu = document.querySelector('.menu');
  if (menu === null) return [];
  return [...menu.children].map((item) => {
    if (item.getAttribute('role') === 'separator') return {shown: '-', name: ''};
    const [name, keys] = [...item.children].map((part) => part.textContent);
    const shown = keys === '' ? name : `${name}  ${keys}`;
    return {shown: item.getAttribute('aria-disabled') === 'true' ? `(${shown})` : shown, name,
            box: (({left, top, width, height}) => [left, top, width, height])(item.getBoundingClientRect())};
  });
})())js";

struct KeyEvent {
    Key key;
    const char* name;
    const char* code;
    int virtualKey;
    int modifiers;  // 2 Control, 8 Shift
    const char* text;
    int location = 0;
};
// clang-format off
constexpr KeyEvent kKeys[] = {
    {Key::Tab, "Tab", "Tab", 9, 0, ""},                 {Key::Backtab, "Tab", "Tab", 9, 8, ""},
    {Key::Up, "ArrowUp", "ArrowUp", 38, 0, ""},         {Key::Down, "ArrowDown", "ArrowDown", 40, 0, ""},
    {Key::Left, "ArrowLeft", "ArrowLeft", 37, 0, ""},   {Key::Right, "ArrowRight", "ArrowRight", 39, 0, ""},
    {Key::Enter, "Enter", "Enter", 13, 0, "\r"},        {Key::Escape, "Escape", "Escape", 27, 0, ""},
    {Key::Space, " ", "Space", 32, 0, " "},             {Key::CtrlC, "c", "KeyC", 67, 2, ""},
    {Key::CtrlShiftC, "C", "KeyC", 67, 10, ""},          {Key::CtrlA, "a", "KeyA", 65, 2, ""},
    {Key::KeypadDecimal, ",", "NumpadDecimal", 110, 0, ",", 3},
};
// clang-format on

std::vector<unsigned char> FromBase64(const std::string& text)
{
    std::vector<unsigned char> bytes;
    unsigned value = 0;
    int bits = 0;
    for (const char character : text) {
        const std::string_view alphabet =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        const std::size_t digit = alphabet.find(character);
        if (digit == std::string_view::npos) {
            continue;  // padding
        }
        value = value << 6 | static_cast<unsigned>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes.push_back(static_cast<unsigned char>(value >> bits & 0xFF));
        }
    }
    return bytes;
}

// A screenshot as rows of RGB pixels.
struct Picture {
    int width = 0;
    std::vector<unsigned char> rgb;
};

Picture DecodePng(const std::vector<unsigned char>& png)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, png.data(), png.size()) == 0) {
        throw std::runtime_error("the screenshot is no PNG");
    }
    image.format = PNG_FORMAT_RGB;
    Picture picture{static_cast<int>(image.width),
                    std::vector<unsigned char>(PNG_IMAGE_SIZE(image))};
    png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr);
    return picture;
}

class WebWindowDriver final : public WindowDriver {
public:
    WebWindowDriver()
    {
        target_ = browser_.Call("Target.createTarget", {{"url", "about:blank"}})["targetId"];
        session_ = browser_.Call("Target.attachToTarget",
                                 {{"targetId", target_}, {"flatten", true}})["sessionId"];
        browser_.Call("Browser.grantPermissions",
                      {{"permissions", {"clipboardReadWrite", "clipboardSanitizedWrite"}}});
        // A Russian page language: a decimal comma, as the window behaviours
        // are written.
        Page("Emulation.setLocaleOverride", {{"locale", "ru-RU"}});
        Page("Emulation.setUserAgentOverride",
             {{"userAgent", "Mozilla/5.0 (X11; Linux x86_64) Chrome Headless"},
              {"acceptLanguage", "ru-RU"}});
        Page("Emulation.setFocusEmulationEnabled", {{"enabled", true}});
        Page("Page.enable");
        Page("Page.navigate", {{"url", std::string("file://") + LEVEL_WEB_PAGE}});
        for (int tries = 0; !Evaluate("document.body?.classList.contains('ready') === true");
             ++tries) {
            if (tries == 200) {
                throw std::runtime_error("the page never became ready");
            }
            Evaluate("new Promise((done) => setTimeout(done, 25))");
        }
    }

    void Click(Control control) override
    {
        const PixelRect box = Box(control);
        MouseClick(box.left + box.width / 2, box.top + box.height / 2, "left", 1);
        TakeReport();
    }

    void Press(Key key) override
    {
        const auto* event = std::find_if(std::begin(kKeys), std::end(kKeys),
                                         [key](const KeyEvent& row) { return row.key == key; });
        ASSERT_NE(event, std::end(kKeys));
        json down = {{"type", *event->text != '\0' ? "keyDown" : "rawKeyDown"},
                     {"key", event->name},
                     {"code", event->code},
                     {"windowsVirtualKeyCode", event->virtualKey},
                     {"modifiers", event->modifiers},
                     {"location", event->location}};
        if (*event->text != '\0') {
            down["text"] = event->text;
        }
        Page("Input.dispatchKeyEvent", down);
        down["type"] = "keyUp";
        down.erase("text");
        Page("Input.dispatchKeyEvent", down);
        TakeReport();
    }

    void TypeKeys(std::string_view text) override
    {
        for (std::size_t at = 0; at < text.size();) {
            std::size_t length = 1;  // one UTF-8 character
            while (at + length < text.size() && (text[at + length] & 0xC0) == 0x80) {
                ++length;
            }
            const std::string character(text.substr(at, length));
            Page("Input.dispatchKeyEvent",
                 {{"type", "keyDown"}, {"key", character}, {"text", character}});
            Page("Input.dispatchKeyEvent", {{"type", "keyUp"}, {"key", character}});
            at += length;
        }
        picture_.reset();
    }

    void FocusAndSelectAll(Control field) override
    {
        const PixelRect box = Box(field);
        for (int clicks = 1; clicks <= 3; ++clicks) {
            MouseClick(box.left + box.width / 2, box.top + box.height / 2, "left", clicks);
        }
    }

    void Paste(Control field, const std::string& text) override
    {
        Evaluate("navigator.clipboard.writeText(" + json(text).dump() + ")");
        FocusAndSelectAll(field);
        Page("Input.dispatchKeyEvent", {{"type", "rawKeyDown"},
                                        {"key", "v"},
                                        {"code", "KeyV"},
                                        {"windowsVirtualKeyCode", 86},
                                        {"modifiers", 2}});
        Page("Input.dispatchKeyEvent", {{"type", "keyUp"},
                                        {"key", "v"},
                                        {"code", "KeyV"},
                                        {"windowsVirtualKeyCode", 86},
                                        {"modifiers", 2}});
        Settle();
    }

    // The page's window is resized by the grip at its lower right corner.
    void ResizeClient(PixelSize size) override
    {
        const json form = Evaluate(
            "(({left, top, width, height}) => [left, top, width, height])("
            "document.getElementById('Form1').getBoundingClientRect())");
        const int left = form[0].get<int>();
        const int top = form[1].get<int>();
        const int corner = 3;
        Mouse("mouseMoved", left + form[2].get<int>() - corner, top + form[3].get<int>() - corner,
              "none", 0);
        Mouse("mousePressed", left + form[2].get<int>() - corner, top + form[3].get<int>() - corner,
              "left", 1);
        Mouse("mouseMoved", left + size.width - corner, top + size.height - corner, "left", 0);
        Mouse("mouseReleased", left + size.width - corner, top + size.height - corner, "left", 1);
        EXPECT_EQ(ClientSize(), size);
    }

    // A page has no maximised state of its own (its suite leaves out the
    // behaviours of a maximised window).
    void SetMaximised(bool /*maximised*/) override
    {
        ADD_FAILURE() << "a page cannot be maximised";
    }

    std::vector<std::string> RightClickAndChoose(Control control, std::string_view item) override
    {
        const PixelRect box = Box(control);
        MouseClick(box.left + box.width / 2, box.top + box.height / 2, "right", 1);
        const json menu = Evaluate(kMenuScript);
        std::vector<std::string> items;
        for (const json& entry : menu) {
            items.push_back(entry["shown"].get<std::string>());
        }
        for (const json& entry : menu) {
            if (!item.empty() && entry["name"] == item) {
                const json& place = entry["box"];
                MouseClick(place[0].get<int>() + place[2].get<int>() / 2,
                           place[1].get<int>() + place[3].get<int>() / 2, "left", 1);
                Settle();
                return items;
            }
        }
        Press(Key::Escape);
        return items;
    }

    // Another page of the browser takes the activation. Headless Chromium
    // counts a page focused while focus emulation is on, as the driver
    // keeps it for the clipboard; off, with another page active, not.
    void SwitchToAnotherWindow() override
    {
        other_ = browser_.Call("Target.createTarget", {{"url", "about:blank"}})["targetId"];
        browser_.Call("Target.activateTarget", {{"targetId", other_}});
        Page("Emulation.setFocusEmulationEnabled", {{"enabled", false}});
        Settle();
    }

    void SwitchBack() override
    {
        browser_.Call("Target.activateTarget", {{"targetId", target_}});
        browser_.Call("Target.closeTarget", {{"targetId", other_}});
        Page("Emulation.setFocusEmulationEnabled", {{"enabled", true}});
        Settle();
    }

    [[nodiscard]] Seen See(Control control) override
    {
        const json seen =
            Evaluate(std::string("(") + kSeeScript + ")(" + json(Name(control)).dump() + ")");
        const json& place = seen["place"];
        return {.text = seen["text"],
                .toolTip = seen["toolTip"],
                .enabled = seen["enabled"],
                .checked = seen["checked"],
                .fontPoints = seen["fontPoints"],
                .lineHeight = seen["lineHeight"],
                .place = PixelRect{place[0], place[1], place[2], place[3]},
                .selection = {seen["selection"][0], seen["selection"][1]},
                .firstVisible = seen["firstVisible"]};
    }

    [[nodiscard]] Seen SeeWindow() override
    {
        return {.text =
                    Evaluate("document.getElementById('caption').textContent").get<std::string>()};
    }

    [[nodiscard]] std::optional<Spoken> AskScreenReader(Control control) override
    {
        const json document = Page("DOM.getDocument");
        const int node = Page("DOM.querySelector", {{"nodeId", document["root"]["nodeId"]},
                                                    {"selector", "#" + Name(control)}})["nodeId"];
        const json tree =
            Page("Accessibility.getPartialAXTree", {{"nodeId", node}, {"fetchRelatives", false}});
        const json& spoken = tree["nodes"][0];
        const auto text = [&spoken](const char* property) {
            return spoken.contains(property)
                       ? spoken[property].value("value", json("")).get<std::string>()
                       : std::string();
        };
        return Spoken{text("name"), text("value")};
    }

    [[nodiscard]] Control Focused() const override
    {
        const std::string name =
            Evaluate("document.hasFocus() ? document.activeElement.id : ''").get<std::string>();
        for (const ControlRow& row : kForm1Controls) {
            if (row.name == name) {
                return row.control;
            }
        }
        return None;
    }

    [[nodiscard]] PixelSize ClientSize() const override
    {
        const json size = Evaluate(
            "[document.getElementById('Form1').clientWidth, "
            "document.getElementById('Form1').clientHeight]");
        return {size[0], size[1]};
    }

    [[nodiscard]] std::string Clipboard() const override
    {
        return Evaluate("navigator.clipboard.readText()").get<std::string>();
    }

    [[nodiscard]] std::uint32_t HighlightColour() const override { return Colour("--highlight"); }
    [[nodiscard]] std::uint32_t FrameColour() const override { return Colour("--frame"); }

    [[nodiscard]] std::uint32_t PixelAt(int x, int y) override
    {
        if (!picture_) {
            const json shot = Page("Page.captureScreenshot", {{"format", "png"}});
            picture_ = DecodePng(FromBase64(shot["data"]));
            formOrigin_ = Evaluate(
                "(({left, top}) => [left, top])("
                "document.getElementById('Form1').getBoundingClientRect())");
        }
        const auto at = 3 * (static_cast<std::size_t>(y + formOrigin_[1].get<int>()) *
                                 static_cast<std::size_t>(picture_->width) +
                             static_cast<std::size_t>(x + formOrigin_[0].get<int>()));
        return static_cast<std::uint32_t>(picture_->rgb.at(at)) << 16 |
               static_cast<std::uint32_t>(picture_->rgb.at(at + 1)) << 8 | picture_->rgb.at(at + 2);
    }

    // 15 twips to a CSS pixel, to the nearest.
    [[nodiscard]] int TwipsToPixels(int twips) const override { return (twips * 2 + 15) / 30; }

private:
    json Page(std::string_view method, json params = json::object()) const
    {
        return browser_.Call(method, std::move(params), session_);
    }

    // A JavaScript expression's value in the page, a promise's once kept.
    json Evaluate(const std::string& expression) const
    {
        const json result = Page("Runtime.evaluate", {{"expression", expression},
                                                      {"returnByValue", true},
                                                      {"awaitPromise", true},
                                                      {"userGesture", true}});
        if (result.contains("exceptionDetails")) {
            throw std::runtime_error("the page threw: " + result["exceptionDetails"].dump());
        }
        return result["result"].value("value", json());
    }

    // Whatever the page does after an event, done: the clipboard's requests
    // it made (answered in the order asked, so a read after them waits for
    // them), then its tasks.
    void Settle()
    {
        Evaluate(
            "navigator.clipboard.readText().catch(() => {})"
            ".then(() => new Promise((done) => setTimeout(done, 0)))");
        picture_.reset();
    }

    void Mouse(const char* type, int x, int y, const char* button, int clicks)
    {
        Page("Input.dispatchMouseEvent", {{"type", type},
                                          {"x", x},
                                          {"y", y},
                                          {"button", button},
                                          {"buttons", std::string_view(button) == "left" ? 1 : 2},
                                          {"clickCount", clicks}});
    }

    void MouseClick(int x, int y, const char* button, int clicks)
    {
        Mouse("mouseMoved", x, y, "none", 0);
        Mouse("mousePressed", x, y, button, clicks);
        Mouse("mouseReleased", x, y, button, clicks);
        Settle();
    }

    // The report the page shows as its dialog, recorded as the message box
    // stand-in records it, and closed as the user closes it.
    void TakeReport()
    {
        Settle();
        const json text = Evaluate(
            "document.getElementById('report').open ? "
            "document.getElementById('report').querySelector('p').textContent : null");
        if (text.is_null()) {
            return;
        }
        const std::string shown = text;
        const std::size_t number = shown.find('\'') + 1;
        const std::size_t lineBreak = shown.find('\n');
        report.numbers.push_back(std::stoi(shown.substr(number)));
        report.descriptions.push_back(
            shown.substr(lineBreak + 1, shown.find('\n', lineBreak + 1) - lineBreak - 1));
        report.shownAtReport = report.look ? report.look() : std::vector<std::string>{};
        Page("Input.dispatchKeyEvent", {{"type", "keyDown"},
                                        {"key", "Enter"},
                                        {"code", "Enter"},
                                        {"windowsVirtualKeyCode", 13},
                                        {"text", "\r"}});
        Page("Input.dispatchKeyEvent", {{"type", "keyUp"},
                                        {"key", "Enter"},
                                        {"code", "Enter"},
                                        {"windowsVirtualKeyCode", 13}});
        Settle();
        EXPECT_FALSE(Evaluate("document.getElementById('report').open").get<bool>());
    }

    [[nodiscard]] PixelRect Box(Control control) const
    {
        const json place = Evaluate(
            "((element) => (({left, top, width, height}) => [left, top, width, height])("
            "(element.type === 'radio' ? element.parentElement : element).getBoundingClientRect()))"
            "(document.getElementById(" +
            json(Name(control)).dump() + "))");
        return {place[0], place[1], place[2], place[3]};
    }

    [[nodiscard]] std::uint32_t Colour(const char* variable) const
    {
        const std::string hex =
            Evaluate(std::string("getComputedStyle(document.documentElement).getPropertyValue('") +
                     variable + "').trim()");
        return static_cast<std::uint32_t>(std::stoul(hex.substr(1), nullptr, 16));
    }

    static std::string Name(Control control) { return std::string(RowOf(control).name); }

    mutable DevToolsPipe browser_;
    std::string target_;
    std::string session_;
    std::string other_;
    std::optional<Picture> picture_;
    json formOrigin_;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver()
{
    return std::make_unique<WebWindowDriver>();
}

}  // namespace level::testing
