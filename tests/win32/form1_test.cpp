// What is the native window's own: how its fonts are realised and fit,
// what Active Accessibility is told, its option buttons' notifications, a
// thicker frame and its icons. The window's behaviours run on both
// toolkits, from tests/window/.

#include <windows.h>

#include <oleacc.h>

#include <array>
#include <memory>
#include <string>

#include <gtest/gtest.h>

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
    const int dpi = GetDeviceCaps(GetDC(nullptr), LOGPIXELSY);
    for (const char* name : {"Text1", "Text2", "Text3", "Label2", "Label3", "Label4"}) {
        HWND handle = Handle(name);
        HDC dc = GetDC(handle);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(handle, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        std::array<wchar_t, LF_FACESIZE> face{};
        GetTextFaceW(dc, static_cast<int>(face.size()), face.data());
        SelectObject(dc, old);
        ReleaseDC(handle, dc);
        EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading, MulDiv(24, dpi, 72), 1) << name;
        EXPECT_EQ(metrics.tmCharSet, RUSSIAN_CHARSET) << name;
        EXPECT_EQ(metrics.tmWeight, FW_NORMAL) << name;
        EXPECT_FALSE(metrics.tmItalic || metrics.tmUnderlined || metrics.tmStruckOut) << name;
        const std::string realised = Narrow(face.data());
        EXPECT_TRUE(realised == "MS Sans Serif" || realised == "Microsoft Sans Serif" ||
                    realised == "Liberation Sans" || realised == "Arial")
            << name << " is drawn in " << realised;
    }
}

// A screen reader names each field by its quantity and unit, and the other
// controls by their captions: asked of Active Accessibility itself.
TEST_F(Form1Win32Test, NamesEveryControlForAScreenReader)
{
    for (const auto& [name, accessibleName] : testing::kAccessibleNames) {
        IAccessible* accessible = nullptr;
        const HRESULT found =
            AccessibleObjectFromWindow(Handle(name), static_cast<DWORD>(OBJID_CLIENT),
                                       IID_IAccessible, reinterpret_cast<void**>(&accessible));
        if (FAILED(found) || accessible == nullptr) {
            // Wine's oleacc makes no object for these standard controls
            // (E_NOINTERFACE), so there is nothing to ask; Windows names a
            // field after the label just before it in the z-order.
            GTEST_SKIP() << "Active Accessibility gives no object here (" << std::hex << found
                         << "); only Windows itself can answer";
        }
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR spoken = nullptr;
        EXPECT_EQ(accessible->get_accName(self, &spoken), S_OK) << name;
        EXPECT_EQ(Narrow(spoken != nullptr ? spoken : L""), accessibleName) << name;
        SysFreeString(spoken);
        // A field's value is its whole text, the volts' "0,775" at start.
        BSTR value = nullptr;
        if (name == "Text3" && SUCCEEDED(accessible->get_accValue(self, &value))) {
            EXPECT_EQ(Narrow(value != nullptr ? value : L""), "0,775");
        }
        SysFreeString(value);
        accessible->Release();
    }
}

// The greyed results are drawn in the system's own colours for greyed
// text on the button face, whatever scheme the user chose.
TEST(Form1Win32Colours, DrawsGreyedResultsInTheSystemColours)
{
    auto rgb = [](int index) {
        const COLORREF colour = GetSysColor(index);
        return (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) |
               GetBValue(colour);
    };
    for (const testing::FieldColours& greyed : testing::GreyedResultColours()) {
        EXPECT_EQ(greyed.text, rgb(COLOR_GRAYTEXT));
        EXPECT_EQ(greyed.background, rgb(COLOR_BTNFACE));
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
        const int dpi = GetDeviceCaps(GetDC(nullptr), LOGPIXELSY);
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
