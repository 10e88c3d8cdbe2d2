#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "form_flows.h"
#include "model/error_report.h"
#include "win32/form1.h"
#include "win32/utf16.h"

namespace level::win32 {
namespace {

class CapturingReport final : public ErrorReport {
public:
    void Report(int number, std::string_view /*description*/) override
    {
        numbers.push_back(number);
    }
    std::vector<int> numbers;
};

std::string TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

// A shown window driven through window messages, as the user's mouse and
// keyboard would drive it.
class Form1Win32Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        form_ =
            std::make_unique<Form1>(GetModuleHandleW(nullptr), RegionalSettings::Comma(), report_);
        form_->Show(SW_SHOWNORMAL);
    }

    [[nodiscard]] HWND Handle(const char* name) const
    {
        HWND handle = form_->ControlHandle(name);
        EXPECT_NE(handle, nullptr) << name;
        return handle;
    }

    void Click(const char* name) const { SendMessageW(Handle(name), BM_CLICK, 0, 0); }

    void Type(const char* field, const char* text) const
    {
        SetWindowTextW(Handle(field), Widen(text).c_str());
    }

    void Key(const char* name, WPARAM key) const
    {
        MSG message{Handle(name), WM_KEYDOWN, key, 0, 0, {}};
        if (!form_->PreTranslate(message)) {
            DispatchMessageW(&message);
        }
    }

    [[nodiscard]] std::vector<std::string> Texts() const
    {
        return {TextOf(Handle("Text1")), TextOf(Handle("Text2")), TextOf(Handle("Text3"))};
    }

    [[nodiscard]] std::vector<bool> Enabled() const
    {
        return {IsWindowEnabled(Handle("Text1")) != FALSE,
                IsWindowEnabled(Handle("Text2")) != FALSE,
                IsWindowEnabled(Handle("Text3")) != FALSE};
    }

    [[nodiscard]] std::vector<bool> Checked() const
    {
        std::vector<bool> checked;
        for (const char* name : {"Option1", "Option2", "Option3"}) {
            checked.push_back(SendMessageW(Handle(name), BM_GETCHECK, 0, 0) == BST_CHECKED);
        }
        return checked;
    }

    [[nodiscard]] std::string NameOf(HWND handle) const
    {
        for (const ControlPlacement& placement : kForm1Layout) {
            if (form_->ControlHandle(placement.name) == handle) {
                return std::string(placement.name);
            }
        }
        return "?";
    }

    [[nodiscard]] int OuterHeight() const
    {
        RECT outer{};
        GetWindowRect(form_->Handle(), &outer);
        return outer.bottom - outer.top;
    }

    CapturingReport report_;
    std::unique_ptr<Form1> form_;
};

TEST_F(Form1Win32Test, StartsGreyedWithNoOptionAndTheFocusOnOption1)
{
    EXPECT_EQ(Texts(), (std::vector<std::string>{"0", "0", "0,775"}));
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(Checked(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(GetFocus(), Handle("Option1"));
    EXPECT_EQ(TextOf(Handle("Label1")), kReferenceExplanation);
    EXPECT_EQ(TextOf(form_->Handle()), "Вычислитель соответствия(R=600 Ом)         V1.1");
    RECT client{};
    GetClientRect(form_->Handle(), &client);
    EXPECT_EQ(client.right, form_->TwipsToPixels(5520));
    EXPECT_EQ(client.bottom, form_->TwipsToPixels(4185));
}

TEST_F(Form1Win32Test, PlacesEveryControlAtItsDesignedPlaceWithItsCaption)
{
    for (const ControlPlacement& placement : kForm1Layout) {
        const std::string name(placement.name);
        if (name == "Shape1") {
            continue;  // painted by the window itself
        }
        RECT rect{};
        GetWindowRect(Handle(name.c_str()), &rect);
        MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, form_->TwipsToPixels(placement.left)) << name;
        EXPECT_EQ(rect.top, form_->TwipsToPixels(placement.top)) << name;
        EXPECT_EQ(rect.right - rect.left, form_->TwipsToPixels(placement.width)) << name;
        EXPECT_EQ(rect.bottom - rect.top, form_->TwipsToPixels(placement.height)) << name;
    }
    const std::vector<std::pair<const char*, std::string>> captions = {
        {"Option1", "Децибеллы"},
        {"Option2", "Вольты"},
        {"Option3", "Неперы"},
        {"Frame1", "Вводимая величина"},
        {"Command1", "вычислить"},
        {"Command2", "Очистить"},
        {"Label2", "дб"},
        {"Label3", "неп"},
        {"Label4", "В"}};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(TextOf(Handle(name)), caption) << name;
    }
}

TEST_F(Form1Win32Test, UsesTheLargeCyrillicFontForFieldsAndUnits)
{
    for (const char* name : {"Text1", "Text2", "Text3", "Label2", "Label3", "Label4"}) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Handle(name), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        EXPECT_EQ(Narrow(font.lfFaceName), "MS Sans Serif") << name;
        EXPECT_EQ(font.lfHeight, -form_->TwipsToPixels(24 * 20)) << name;
        EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET) << name;
        EXPECT_EQ(font.lfWeight, FW_NORMAL) << name;
    }
}

// The dialog manager tabs in the order the controls were made, and takes a
// group of option buttons as one stop: the checked one, or the first.
TEST_F(Form1Win32Test, TabsThroughTheControlsInTheDesignedOrderWithNoDefaultButton)
{
    std::vector<std::string> order;
    for (HWND child = GetWindow(form_->Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string name = NameOf(child);
        if (!name.starts_with("Label") && name != "Frame1") {
            order.push_back(name);
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Text1", "Option1", "Option2", "Option3", "Text2",
                                               "Text3", "Command1", "Command2"}));

    auto tabs = [this](const char* from, int count) {
        std::vector<std::string> stops;
        HWND stop = Handle(from);
        for (int i = 0; i < count; ++i) {
            stop = GetNextDlgTabItem(form_->Handle(), stop, FALSE);
            stops.push_back(NameOf(stop));
        }
        return stops;
    };
    EXPECT_EQ(tabs("Option1", 3), (std::vector<std::string>{"Command1", "Command2", "Option1"}));
    Click("Option2");
    EXPECT_EQ(tabs("Text3", 4),
              (std::vector<std::string>{"Command1", "Command2", "Option2", "Text3"}));

    for (const char* name : {"Command1", "Command2"}) {
        EXPECT_EQ(GetWindowLongW(Handle(name), GWL_STYLE) & BS_DEFPUSHBUTTON, 0) << name;
    }
    Type("Text3", "5");
    Key("Text3", VK_RETURN);
    Key("Text3", VK_ESCAPE);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"0", "0", "5"}));
    EXPECT_TRUE(report_.numbers.empty());
}

class Form1Win32Flow : public Form1Win32Test,
                       public ::testing::WithParamInterface<testing::FormFlow> {};

TEST_P(Form1Win32Flow, EndsWithTheseFieldsAndReports)
{
    const testing::FormFlow& flow = GetParam();
    testing::RunSteps(
        flow, [this](const std::string& control) { Click(control.c_str()); },
        [this](const std::string& field, const std::string& text) {
            Type(field.c_str(), text.c_str());
        });
    EXPECT_EQ(Texts(), flow.texts);
    EXPECT_EQ(report_.numbers, flow.errors);
}

INSTANTIATE_TEST_SUITE_P(Flows, Form1Win32Flow, ::testing::ValuesIn(testing::FormFlows()),
                         testing::FlowName());

TEST_F(Form1Win32Test, AnOptionEnablesAndFocusesItsFieldOnly)
{
    Click("Option3");
    EXPECT_EQ(Checked(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(GetFocus(), Handle("Text2"));
    Click("Option1");
    EXPECT_EQ(Checked(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(GetFocus(), Handle("Text1"));
}

TEST_F(Form1Win32Test, ComputeWithNoOptionShowsThePrompt)
{
    Click("Command1");
    EXPECT_EQ(TextOf(Handle("Label1")), kChooseOptionPrompt);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Handle("Label1"), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -form_->TwipsToPixels(kPromptFontSize * 20));
}

TEST_F(Form1Win32Test, ClearSetsTheOuterHeightAndCutsOffTheInformationLine)
{
    Click("Command2");
    Click("Command2");
    EXPECT_EQ(OuterHeight(), form_->TwipsToPixels(4180));
    EXPECT_EQ(TextOf(Handle("Label1")), kContactLine);
    RECT client{};
    RECT label{};
    GetClientRect(form_->Handle(), &client);
    GetWindowRect(Handle("Label1"), &label);
    MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&label), 2);
    EXPECT_LT(label.top, client.bottom);
    EXPECT_GT(label.bottom, client.bottom);
}

}  // namespace
}  // namespace level::win32
