// The page's side of the platform boundary: the window's model, its table
// of controls, its texts, keys and menus, as the page's script (form1.js)
// calls them. The script builds its controls from these and asks the model
// for every rule; it decides nothing itself. Plain C functions keep the
// module's own script small: texts pass as UTF-8, tables as JSON.

#include <emscripten/emscripten.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "model/converter_model.h"
#include "model/error_report.h"
#include "model/event_dispatch.h"
#include "model/field_menu.h"
#include "model/field_tip.h"
#include "model/form1_layout.h"
#include "model/quantities.h"
#include "model/readable_grey.h"
#include "model/result_line.h"
#include "model/system_regional_settings.h"
#include "model/tab_order.h"
#include "model/twips.h"
#include "model/window_keys.h"
#include "model/window_texts.h"
#include "web/json_text.h"

namespace level::web {
namespace {

// Keeps the report a handler raised, for the page to show as its dialog
// once it shows what the handler wrote.
class PendingReport final : public ErrorReport {
public:
    void Report(ErrorKind kind, const RegionalSettings& settings) override
    {
        text_ = FormatErrorReport(kind, settings);
    }
    std::optional<std::string> Take() { return std::exchange(text_, std::nullopt); }

private:
    std::optional<std::string> text_;
};

struct Page {
    ConverterModel model{ReadSystemRegionalSettings()};
    PendingReport report;
    // The last text handed to the script, which reads it at once.
    std::string handedOut;
};

Page& ThePage()
{
    static Page page = [] {
        Page loaded;
        loaded.model.Form_Load();
        return loaded;
    }();
    return page;
}

const char* HandOut(std::string text)
{
    ThePage().handedOut = std::move(text);
    return ThePage().handedOut.c_str();
}

const char* HandOut(const std::optional<std::string>& text)
{
    return text ? HandOut(*text) : nullptr;
}

Control ControlOf(int number)
{
    return static_cast<Control>(number);
}

const char* KindName(ControlKind kind)
{
    switch (kind) {
        case ControlKind::Field:
            return "field";
        case ControlKind::Option:
            return "option";
        case ControlKind::PushButton:
            return "button";
        case ControlKind::Label:
            return "label";
        case ControlKind::Frame:
            return "frame";
        case ControlKind::Outline:
            return "outline";
    }
    return "";
}

// The fourteen controls in tab order, each at its place in CSS pixels (96
// to the inch, as twips become pixels on a standard screen; the browser's
// zoom scales them).
void WriteControls(JsonText& json)
{
    json.BeginArray("controls");
    for (const ControlRow& row : kForm1Controls) {
        const PixelRect place = TwipsToPixels(row.place);
        json.BeginObject();
        json.Number("control", static_cast<int>(row.control));
        json.Text("name", row.name);
        json.Text("kind", KindName(row.kind));
        json.Number("left", place.left);
        json.Number("top", place.top);
        json.Number("width", place.width);
        json.Number("height", place.height);
        json.Text("caption", row.caption);
        json.Number("points", PointsOf(row.font));
        json.Text("accessibleName", row.accessibleName);
        json.Boolean("clickable", row.onClick != nullptr);
        if (const std::size_t quantity = QuantityOf(row.control);
            quantity < kQuantities.size() && kQuantities[quantity].field == row.control) {
            json.Text("unitLabel", RowOf(kQuantities[quantity].unitLabel).name);
        }
        json.End();
    }
    json.End();
}

// One table of names the script gives the model's values, as an object.
template <typename Value, std::size_t kSize>
void WriteNames(JsonText& json, std::string_view table,
                const std::pair<std::string_view, Value> (&names)[kSize])
{
    json.BeginObject(table);
    for (const auto& [name, value] : names) {
        json.Number(name, static_cast<int>(value));
    }
    json.End();
}

// The names the script gives the model's keys, actions and commands.
void WriteNames(JsonText& json)
{
    constexpr std::pair<std::string_view, KeyCode> kKeyCodes[] = {
        {"C", KeyCode::C},
        {"A", KeyCode::A},
        {"KeypadDecimal", KeyCode::KeypadDecimal},
        {"Menu", KeyCode::Menu},
        {"F10", KeyCode::F10},
        {"Enter", KeyCode::Enter},
        {"Down", KeyCode::Down},
        {"Right", KeyCode::Right},
        {"Up", KeyCode::Up},
        {"Left", KeyCode::Left}};
    constexpr std::pair<std::string_view, KeyAction> kActions[] = {
        {"TypeDecimalSeparator", KeyAction::TypeDecimalSeparator},
        {"CopyFromField", KeyAction::CopyFromField},
        {"CopyResultLine", KeyAction::CopyResultLine},
        {"SelectAll", KeyAction::SelectAll},
        {"OpenFieldMenu", KeyAction::OpenFieldMenu},
        {"Click", KeyAction::Click}};
    constexpr std::pair<std::string_view, EditCommand> kCommands[] = {
        {"Undo", EditCommand::Undo},     {"Redo", EditCommand::Redo},
        {"Cut", EditCommand::Cut},       {"Paste", EditCommand::Paste},
        {"Delete", EditCommand::Delete}, {"SelectAll", EditCommand::SelectAll}};
    WriteNames(json, "keyCodes", kKeyCodes);
    WriteNames(json, "actions", kActions);
    WriteNames(json, "commands", kCommands);
}

// What the script passes of a field as its menu opens, one bit a fact in
// FieldState's order.
FieldState StateOf(int bits)
{
    const auto bit = [bits](int place) { return (bits >> place & 1) != 0; };
    return {.enabled = bit(0),
            .hasText = bit(1),
            .hasSelection = bit(2),
            .allSelected = bit(3),
            .canUndo = bit(4),
            .canRedo = bit(5),
            .canPaste = bit(6),
            .fieldsAreOneResult = bit(7)};
}

}  // namespace
}  // namespace level::web

using namespace level;
using namespace level::web;

extern "C" {

// The window as designed: its caption, size, font, words and controls.
EMSCRIPTEN_KEEPALIVE const char* level_form()
{
    JsonText json;
    json.BeginObject();
    json.Text("caption", kForm1Caption);
    json.Number("width", TwipsToPixels(kFormClientWidth));
    json.Number("height", TwipsToPixels(kFormClientHeight));
    json.Number("dialogPoints", kDialogFontPoints);
    json.Number("fieldLimit", kFieldTextLimit);  // the browser's own backstop
    json.Number("informationLine", static_cast<int>(Control::Label1));
    json.Text("reportTitle", kErrorReportTitle);
    json.Text("reportButton", kErrorReportButton);
    json.BeginArray("fontFamilies");
    for (const std::string_view family : kFontFamilies) {
        json.Text({}, family);
    }
    json.End();
    WriteControls(json);
    WriteNames(json);
    json.End();
    return HandOut(json.Take());
}

// The greyed text's share of white on the page's face, from the style's
// grey toward its text, all three neutral.
EMSCRIPTEN_KEEPALIVE double level_readable_grey(double grey, double text, double face)
{
    return ReadableGrey({grey, grey, grey}, {text, text, text}, {face, face, face}).red;
}

// A click on a control with the focus where the user has it; the report it
// raised, if any, waits for level_take_report.
EMSCRIPTEN_KEEPALIVE void level_click(int control, int focus)
{
    Page& page = ThePage();
    DispatchEvent(
        page.model, RowOf(ControlOf(control)).onClick, ControlOf(focus), [] {}, page.report);
}

EMSCRIPTEN_KEEPALIVE const char* level_take_report()
{
    return HandOut(ThePage().report.Take());
}

EMSCRIPTEN_KEEPALIVE void level_set_field_text(int field, const char* text)
{
    ThePage().model.SetFieldText(ControlOf(field), text);
}

EMSCRIPTEN_KEEPALIVE void level_set_focus(int control)
{
    ThePage().model.SetFocus(ControlOf(control));
}

EMSCRIPTEN_KEEPALIVE int level_first_focus()
{
    return static_cast<int>(ThePage().model.FirstFocus());
}

EMSCRIPTEN_KEEPALIVE int level_focus()
{
    return static_cast<int>(ThePage().model.Focus());
}

EMSCRIPTEN_KEEPALIVE const char* level_field_text(int field)
{
    return HandOut(ThePage().model.FieldText(ControlOf(field)));
}

EMSCRIPTEN_KEEPALIVE const char* level_field_tip(int field)
{
    return HandOut(FieldTip(ThePage().model.FieldText(ControlOf(field))));
}

EMSCRIPTEN_KEEPALIVE int level_field_enabled(int field)
{
    return ThePage().model.FieldEnabled(ControlOf(field)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int level_option_value(int option)
{
    return ThePage().model.OptionValue(ControlOf(option)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* level_label1_caption()
{
    return HandOut(ThePage().model.Label1Caption());
}

EMSCRIPTEN_KEEPALIVE int level_label1_points()
{
    return ThePage().model.Label1FontSize().value_or(kDialogFontPoints);
}

// The client height in CSS pixels a handler wrote, or -1 for none.
EMSCRIPTEN_KEEPALIVE int level_take_height_write()
{
    const auto twips = ThePage().model.TakeHeightWrite();
    return twips ? TwipsToPixels(*twips) : -1;
}

// Whether a field of this many UTF-16 code units takes an edit that puts
// this many in place of its selection, from start to end.
EMSCRIPTEN_KEEPALIVE int level_field_takes_edit(int length, int start, int end, int added)
{
    const int kept = length - (end - start);
    return kept >= 0 && added >= 0 &&
                   FieldTakes(static_cast<std::size_t>(kept) + static_cast<std::size_t>(added))
               ? 1
               : 0;
}

// The window's tab stop after (+1) or before (-1) a control.
EMSCRIPTEN_KEEPALIVE int level_next_tab_stop(int from, int step)
{
    return static_cast<int>(NextTabStop(ThePage().model, ControlOf(from), step));
}

EMSCRIPTEN_KEEPALIVE const char* level_decimal_separator()
{
    return HandOut(ThePage().model.Settings().decimalSeparator);
}

// What the window does for a key: its action, times 256, plus its target.
EMSCRIPTEN_KEEPALIVE int level_answer_key(int code, int ctrl, int shift, int focus)
{
    const KeyAnswer answer = AnswerKey(
        WindowKeyOf({static_cast<KeyCode>(code), ctrl != 0, shift != 0}), ControlOf(focus));
    return static_cast<int>(answer.action) * 256 + static_cast<int>(answer.target);
}

// A field's menu: each item's command (-1 for a separator), text with "&"
// before the mnemonic, keys, and whether it can be chosen.
EMSCRIPTEN_KEEPALIVE const char* level_field_menu(int state)
{
    JsonText json;
    json.BeginArray();
    for (const FieldMenuItem& item : FieldMenu(StateOf(state))) {
        json.BeginObject();
        json.Number("command", item.command ? static_cast<int>(*item.command) : -1);
        json.Text("text", item.text);
        json.Text("shortcut", item.shortcut);
        json.Boolean("available", item.available);
        json.End();
    }
    json.End();
    return HandOut(json.Take());
}

EMSCRIPTEN_KEEPALIVE int level_copy_command(int state)
{
    const auto command = CopyCommand(StateOf(state));
    return command ? static_cast<int>(*command) : -1;
}

// What a command puts on the clipboard, or null for the field's own editing.
EMSCRIPTEN_KEEPALIVE const char* level_copied_text(int command, const char* whole,
                                                   const char* selection)
{
    return HandOut(CopiedText(static_cast<EditCommand>(command), whole, selection,
                              ResultLine(ThePage().model)));
}

EMSCRIPTEN_KEEPALIVE const char* level_result_line()
{
    return HandOut(ResultLine(ThePage().model));
}

}  // extern "C"
