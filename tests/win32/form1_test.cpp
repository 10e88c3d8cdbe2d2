// What is the native window's own: how its fonts are realised and fit,
// what Active Accessibility is told, its option buttons' notifications, a
// thicker frame and its icons. The window's behaviours run on both
// toolkits, from tests/window/.

#include <windows.h>

#include <oleacc.h>

#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "gdi_reads.h"
#include "win32/form1.h"
#include "win32/utf16.h"
#include "window/capturing_report.h"
#include "window/designed_form.h"
#include "window/field_colours.h"

namespace level::win32 {
namespace {

using testing::kDesignedControls;

// A shown window, looked at through its native controls.
class Form1Win32Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        form_ =
            std::make_unique<Form1>(GetModuleHandleW(nullptr), RegionalSettings::Comma(), report_);
        form_->Show(SW_SHOWNORMAL);
    }

    [[nodiscard]] HWND Handle(std::string_view name) const
    {
        HWND handle = form_->ControlHandle(name);
        EXPECT_NE(handle, nullptr) << name;
        return handle;
    }

    testing::CapturingReport report_;
    std::unique_ptr<Form1> form_;
};

// Every caption fits its control at the screen's DPI, beside an option's
// check mark.
TEST_F(Form1Win32Test, EveryCaptionFitsItsControl)
{
    for (const testing::DesignedControl& control : kDesignedControls) {
        const std::string name(control.name);
        if (control.caption.empty() || name == "Frame1") {
            continue;
        }
        const SIZE extent =
            testing::RealisedFontOf(Handle(name.c_str()), win32::Widen(control.caption)).extent;
        const int mark = name.starts_with("Option") ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0;
        RECT rect{};
        GetClientRect(Handle(name.c_str()), &rect);
        EXPECT_LE(extent.cx + mark, rect.right) << name;
        EXPECT_LE(extent.cy, rect.bottom) << name;
    }
}

// The flat fields' one line is drawn in the system's frame colour.
TEST_F(Form1Win32Test, DrawsTheFieldBordersInTheFrameColour)
{
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        RECT rect{};
        GetWindowRect(Handle(name), &rect);
        HDC dc = GetWindowDC(Handle(name));
        EXPECT_EQ(GetPixel(dc, 0, (rect.bottom - rect.top) / 2), GetSysColor(COLOR_WINDOWFRAME))
            << name;
        ReleaseDC(Handle(name), dc);
    }
}

// The fields and unit captions draw with the large font as realised in
// their device context: 24 points at the screen's DPI, Cyrillic, regular,
// in the designed face or, where the system lacks it (Wine), in one the
// system substitutes with the same widths.
TEST_F(Form1Win32Test, DrawsFieldsAndUnitsInTheLargeCyrillicFont)
{
    const int dpi = testing::ScreenDpi();
    for (const char* name : {"Text1", "Text2", "Text3", "Label2", "Label3", "Label4"}) {
        const auto [metrics, realised, extent] = testing::RealisedFontOf(Handle(name));
        EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading, MulDiv(24, dpi, 72), 1) << name;
        EXPECT_EQ(metrics.tmCharSet, RUSSIAN_CHARSET) << name;
        EXPECT_EQ(metrics.tmWeight, FW_NORMAL) << name;
        EXPECT_FALSE(metrics.tmItalic || metrics.tmUnderlined || metrics.tmStruckOut) << name;
        EXPECT_TRUE(realised == "MS Sans Serif" || realised == "Microsoft Sans Serif" ||
                    realised == "Liberation Sans" || realised == "Arial")
            << name << " is drawn in " << realised;
    }
}

// What Active Accessibility tells a screen reader of a control, or nothing
// where it makes no object for it. (The 64-bit Wine's oleacc answers
// E_NOINTERFACE for the standard controls; Windows and the 32-bit Wine
// answer.)
struct Spoken {
    std::string name;
    std::string value;
};

std::optional<Spoken> AskActiveAccessibility(HWND control)
{
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible))) ||
        accessible == nullptr) {
        return std::nullopt;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    // Each answer read, then freed; "(none)" where there is none.
    auto ask = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*question)(VARIANT, BSTR*)) {
        BSTR text = nullptr;
        const HRESULT answered = (accessible->*question)(self, &text);
        std::string said = SUCCEEDED(answered) && text != nullptr ? Narrow(text) : "(none)";
        SysFreeString(text);
        return said;
    };
    Spoken spoken{ask(&IAccessible::get_accName), ask(&IAccessible::get_accValue)};
    accessible->Release();
    return spoken;
}

// A screen reader names each field by its quantity and unit, and the other
// controls by their captions; Windows names a field after the label just
// before it in the z-order.
TEST_F(Form1Win32Test, NamesEveryControlForAScreenReader)
{
    for (const auto& [name, accessibleName] : testing::kAccessibleNames) {
        const std::optional<Spoken> spoken = AskActiveAccessibility(Handle(name));
        if (!spoken) {
            GTEST_SKIP() << "Active Accessibility gives no object here; only Windows can answer";
        }
        EXPECT_EQ(spoken->name, accessibleName) << name;
    }
}

// A screen reader reads each field's whole text as its value, a long
// greyed result included.
TEST_F(Form1Win32Test, GivesAScreenReaderEachFieldsWholeText)
{
    SendMessageW(Handle("Option1"), BM_CLICK, 0, 0);
    SetWindowTextW(Handle("Text1"), L"300");
    SendMessageW(Handle("Command1"), BM_CLICK, 0, 0);
    for (const auto& [name, text] : {std::pair{"Text1", "300"}, std::pair{"Text2", "34,5383"},
                                     std::pair{"Text3", "775000000000000"}}) {
        const std::optional<Spoken> spoken = AskActiveAccessibility(Handle(name));
        if (!spoken) {
            GTEST_SKIP() << "Active Accessibility gives no object here; only Windows can answer";
        }
        EXPECT_EQ(spoken->value, text) << name;
    }
}

// The greyed results are drawn in the system's own colours for greyed
// text on the button face, whatever scheme the user chose.
TEST(Form1Win32Colours, DrawsGreyedResultsInTheSystemColours)
{
    for (const testing::FieldColours& greyed : testing::GreyedResultColours()) {
        EXPECT_EQ(greyed.text, testing::Rgb(GetSysColor(COLOR_GRAYTEXT)));
        EXPECT_EQ(greyed.background, testing::Rgb(GetSysColor(COLOR_BTNFACE)));
    }
}

// A click notification from an option that is not checked, as a radio
// button that merely gets the focus may send on Windows, is no click: the
// model does not change.
TEST_F(Form1Win32Test, IgnoresAClickNotificationFromAnUncheckedOption)
{
    HWND option2 = Handle("Option2");
    SendMessageW(form_->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(option2), BN_CLICKED),
                 reinterpret_cast<LPARAM>(option2));
    EXPECT_FALSE(form_->model().OptionValue(Control::Option2));
    EXPECT_FALSE(form_->model().FieldEnabled(Control::Text3));
    EXPECT_NE(GetFocus(), Handle("Text3"));
}

// On a frame thicker than designed (as Windows 10 and 11 draw), a clear
// still leaves the designed client height: the cleared outer height less
// the designed frame of 405 twips.
TEST(Form1Win32Frame, ClearLeavesTheDesignedClientHeightOnAThickerFrame)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    NONCLIENTMETRICSW thicker = metrics;
    thicker.iCaptionHeight += 12;
    thicker.iBorderWidth += 4;
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof thicker, &thicker, 0));
    testing::CapturingReport report;
    {
        Form1 form(GetModuleHandleW(nullptr), RegionalSettings::Comma(), report);
        form.Show(SW_SHOWNORMAL);
        SendMessageW(form.ControlHandle("Command2"), BM_CLICK, 0, 0);
        RECT outer{};
        RECT client{};
        GetWindowRect(form.Handle(), &outer);
        GetClientRect(form.Handle(), &client);
        const int dpi = testing::ScreenDpi();
        EXPECT_GT((outer.bottom - outer.top) - client.bottom, MulDiv(405, dpi, 1440))
            << "the frame is no thicker than designed";
        EXPECT_EQ(client.bottom, MulDiv(4180 - 405, dpi, 1440));
    }
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
}

// The window's icons come at the sizes the system draws them at, so that
// Windows picks the nearer image and scales from it at any DPI.
TEST_F(Form1Win32Test, CarriesItsIconsAtTheSystemsSizes)
{
    auto sizeOf = [](HICON icon) {
        ICONINFO info{};
        EXPECT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return std::pair{static_cast<int>(bitmap.bmWidth), static_cast<int>(bitmap.bmHeight)};
    };
    const auto big = reinterpret_cast<HICON>(GetClassLongPtrW(form_->Handle(), GCLP_HICON));
    const auto small = reinterpret_cast<HICON>(GetClassLongPtrW(form_->Handle(), GCLP_HICONSM));
    EXPECT_EQ(sizeOf(big), (std::pair{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)}));
    EXPECT_EQ(sizeOf(small),
              (std::pair{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)}));
}

}  // namespace
}  // namespace level::win32
