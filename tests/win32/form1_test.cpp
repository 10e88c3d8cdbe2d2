#include <windows.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "designed_form.h"
#include "form_flows.h"
#include "model/error_report.h"
#include "win32/form1.h"
#include "win32/utf16.h"

namespace level::win32 {
namespace {

using testing::kDesignedControls;

// Records each report's number, and what the fields showed when it came.
class CapturingReport final : public ErrorReport {
public:
    void Report(int number, std::string_view /*description*/) override
    {
        numbers.push_back(number);
        shownAtReport = look();
    }
    std::vector<int> numbers;
    std::function<std::vector<std::string>()> look;
    std::vector<std::string> shownAtReport;
};

std::string TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

// The name Active Accessibility gives a control: a field is named by the
// label just before it in the z-order, any other control by its own text.
// (Wine's oleacc gives no object for these controls, so the rule that
// Windows applies is checked here rather than asked of it.)
std::string AccessibleName(HWND control)
{
    std::array<wchar_t, 16> className{};
    GetClassNameW(control, className.data(), static_cast<int>(className.size()));
    if (std::wstring_view(className.data()) != L"Edit") {
        return TextOf(control);
    }
    HWND label = GetWindow(control, GW_HWNDPREV);
    GetClassNameW(label, className.data(), static_cast<int>(className.size()));
    if (std::wstring_view(className.data()) != L"Static") {
        return "(no label before the field)";
    }
    return TextOf(label);
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
        report_.look = [this] { return Texts(); };
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
        for (const testing::DesignedControl& control : kDesignedControls) {
            if (form_->ControlHandle(control.name) == handle) {
                return std::string(control.name);
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
    EXPECT_TRUE(TextOf(Handle("Label1")).starts_with(testing::kDesignedReferenceExplanation));
    EXPECT_EQ(TextOf(form_->Handle()), testing::kDesignedWindowCaption);
    RECT client{};
    GetClientRect(form_->Handle(), &client);
    EXPECT_EQ(client.right, form_->TwipsToPixels(testing::kDesignedClientWidth));
    EXPECT_EQ(client.bottom, form_->TwipsToPixels(testing::kDesignedClientHeight));
}

TEST_F(Form1Win32Test, PlacesEveryControlAtItsDesignedPlaceWithItsCaption)
{
    for (const testing::DesignedControl& control : kDesignedControls) {
        const std::string name(control.name);
        if (name == "Shape1") {
            continue;  // painted by the window itself
        }
        RECT rect{};
        GetWindowRect(Handle(name.c_str()), &rect);
        MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, form_->TwipsToPixels(control.left)) << name;
        EXPECT_EQ(rect.top, form_->TwipsToPixels(control.top)) << name;
        EXPECT_EQ(rect.right - rect.left, form_->TwipsToPixels(control.width)) << name;
        EXPECT_EQ(rect.bottom - rect.top, form_->TwipsToPixels(control.height)) << name;
        if (!name.starts_with("Text") && name != "Label1") {
            EXPECT_EQ(TextOf(Handle(name.c_str())), control.caption) << name;
        }
    }
}

// Every caption fits its control at the screen's DPI, beside an option's
// check mark.
TEST_F(Form1Win32Test, EveryCaptionFitsItsControl)
{
    for (const testing::DesignedControl& control : kDesignedControls) {
        const std::string name(control.name);
        if (control.caption.empty() || name == "Frame1") {
            continue;
        }
        HWND handle = Handle(name.c_str());
        HDC dc = GetDC(handle);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(handle, WM_GETFONT, 0, 0)));
        const std::wstring caption = Widen(control.caption);
        SIZE extent{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(handle, dc);
        const int mark = name.starts_with("Option") ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0;
        RECT rect{};
        GetClientRect(handle, &rect);
        EXPECT_LE(extent.cx + mark, rect.right) << name;
        EXPECT_LE(extent.cy, rect.bottom) << name;
    }
}

// The fields are flat, with a plain border.
TEST_F(Form1Win32Test, DrawsTheFieldsFlatWithAPlainBorder)
{
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        EXPECT_EQ(GetWindowLongW(Handle(name), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0) << name;
        // A single line in the system's frame colour, the field's own
        // background just inside it.
        HWND field = Handle(name);
        RECT rect{};
        GetWindowRect(field, &rect);
        HDC dc = GetWindowDC(field);
        const int middle = (rect.bottom - rect.top) / 2;
        EXPECT_EQ(GetPixel(dc, 0, middle), GetSysColor(COLOR_WINDOWFRAME)) << name;
        EXPECT_NE(GetPixel(dc, 1, middle), GetSysColor(COLOR_WINDOWFRAME)) << name;
        ReleaseDC(field, dc);
    }
}

// A screen reader names each field by its quantity and unit, and the other
// controls by their captions.
TEST_F(Form1Win32Test, NamesEveryControlForAScreenReader)
{
    for (const auto& [name, accessibleName] : testing::kAccessibleNames) {
        EXPECT_EQ(AccessibleName(Handle(std::string(name).c_str())), accessibleName) << name;
    }
}

TEST_F(Form1Win32Test, UsesTheLargeCyrillicFontForFieldsAndUnits)
{
    for (const char* name : {"Text1", "Text2", "Text3", "Label2", "Label3", "Label4"}) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Handle(name), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        EXPECT_EQ(Narrow(font.lfFaceName), "MS Sans Serif") << name;
        EXPECT_EQ(font.lfHeight, -form_->TwipsToPixels(24 * 20)) << name;  // 24 points
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
        if (!name.starts_with("Label") && name != "Frame1" && name != "?") {
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

// Each clear sets the outer height again, even after the user has made the
// window taller.
TEST_F(Form1Win32Test, ClearSetsTheOuterHeightEachTimeAndCutsOffTheInformationLine)
{
    Click("Command2");
    EXPECT_EQ(OuterHeight(), form_->TwipsToPixels(testing::kClearedOuterHeight));
    RECT outer{};
    GetWindowRect(form_->Handle(), &outer);
    SetWindowPos(form_->Handle(), nullptr, 0, 0, outer.right - outer.left, OuterHeight() + 60,
                 SWP_NOMOVE | SWP_NOZORDER);
    Click("Command2");
    EXPECT_EQ(OuterHeight(), form_->TwipsToPixels(testing::kClearedOuterHeight));
    EXPECT_TRUE(TextOf(Handle("Label1")).starts_with("  Предложения и пожелания по адресу: "));
    RECT client{};
    RECT label{};
    GetClientRect(form_->Handle(), &client);
    GetWindowRect(Handle("Label1"), &label);
    MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&label), 2);
    EXPECT_LT(label.top, client.bottom);
    EXPECT_GT(label.bottom, client.bottom);
}

// A long result keeps the field's size and shows its first digits.
TEST_F(Form1Win32Test, ALongResultShowsItsFirstDigits)
{
    Click("Option1");
    Type("Text1", "300");
    Click("Command1");
    EXPECT_EQ(TextOf(Handle("Text3")), "775000000000000");
    for (const char* name : {"Text2", "Text3"}) {
        EXPECT_EQ(SendMessageW(Handle(name), EM_GETFIRSTVISIBLELINE, 0, 0), 0) << name;
    }
}

// What the handler wrote is on screen before the error report comes.
TEST_F(Form1Win32Test, ShowsTheWrittenFieldsBeforeTheReport)
{
    Click("Option1");
    Type("Text1", "310");
    Click("Command1");
    EXPECT_EQ(report_.numbers, (std::vector<int>{6}));
    EXPECT_EQ(report_.shownAtReport, (std::vector<std::string>{"310", "35,6896", "0,775"}));
}

// Leaving the window for another and coming back gives the focus back to
// the control that had it.
TEST_F(Form1Win32Test, GivesTheFocusBackWhenTheUserReturns)
{
    Click("Option3");
    ASSERT_EQ(GetFocus(), Handle("Text2"));
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 100, 100, nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    EXPECT_NE(GetFocus(), Handle("Text2"));
    SetActiveWindow(form_->Handle());
    EXPECT_EQ(GetFocus(), Handle("Text2"));
    DestroyWindow(other);
}

// The three options are one group: the arrow keys move among them and wrap
// within them, and a focus reached by Tab selects none.
TEST_F(Form1Win32Test, TheOptionsAreOneGroupThatTabbingDoesNotSelect)
{
    HWND window = form_->Handle();
    EXPECT_EQ(GetNextDlgGroupItem(window, Handle("Option3"), FALSE), Handle("Option1"));
    EXPECT_EQ(GetNextDlgGroupItem(window, Handle("Option1"), TRUE), Handle("Option3"));
    EXPECT_EQ(GetNextDlgGroupItem(window, Handle("Option2"), FALSE), Handle("Option3"));
    for (WPARAM key : {VK_TAB, VK_TAB}) {
        Key(NameOf(GetFocus()).c_str(), key);
        EXPECT_EQ(Checked(), (std::vector<bool>{false, false, false}));
    }
    EXPECT_TRUE(report_.numbers.empty());
}

// Puts text on the clipboard as the user's copy would.
void CopyToClipboard(HWND owner, const std::string& text)
{
    const std::wstring wide = Widen(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    auto* buffer = static_cast<wchar_t*>(GlobalLock(memory));
    std::copy(wide.begin(), wide.end(), buffer);
    buffer[wide.size()] = L'\0';
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

class Form1Win32Paste : public Form1Win32Test,
                        public ::testing::WithParamInterface<testing::PasteCase> {};

// A paste ends in a value or a numbered error, and the window goes on; the
// field keeps no more than its own text limit.
TEST_P(Form1Win32Paste, EndsInAValueOrANumberedErrorAndTheWindowGoesOn)
{
    const testing::PasteCase& paste = GetParam();
    Click("Option1");
    HWND text1 = Handle("Text1");
    CopyToClipboard(form_->Handle(), paste.pasted);
    SendMessageW(text1, EM_SETSEL, 0, -1);
    SendMessageW(text1, WM_PASTE, 0, 0);
    EXPECT_FALSE(TextOf(text1).empty());
    EXPECT_LE(GetWindowTextLengthW(text1),
              static_cast<int>(SendMessageW(text1, EM_GETLIMITTEXT, 0, 0)));
    Click("Command1");
    EXPECT_EQ(Texts()[1], paste.otherTexts[0]);
    EXPECT_EQ(Texts()[2], paste.otherTexts[1]);
    EXPECT_EQ(report_.numbers, paste.errors);

    Type("Text1", "1");
    Click("Command1");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"1", "0,1151", "0,8696"}));
    EXPECT_EQ(report_.numbers, paste.errors);
}

INSTANTIATE_TEST_SUITE_P(Pastes, Form1Win32Paste, ::testing::ValuesIn(testing::PasteCases()),
                         testing::FlowName());

}  // namespace
}  // namespace level::win32
