// What is the native window's own: how its fonts are realised and fit,
// its option buttons' notifications, a thicker frame and its icons. The window's behaviours run on
// both toolkits, from tests/window/.

#include <windows.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "capturing_report.h"
#include "core/conversion_error.h"
#include "gdi_reads.h"
#include "win32/form1.h"
#include "win32/message_box_error_report.h"
#include "win32/utf16.h"
#include "window/designed_form.h"
#include "window/field_colours.h"

namespace level::win32 {
namespace {

using enum Control;
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

    [[nodiscard]] HWND Handle(Control control) const
    {
        HWND handle = form_->ControlHandle(control);
        EXPECT_NE(handle, nullptr) << ControlName(control);
        return handle;
    }

    testing::CapturingReport report_;
    std::unique_ptr<Form1> form_;
};

// Every caption fits its control at the screen's DPI, beside an option's
// check mark.
TEST_F(Form1Win32Test, EveryCaptionFitsItsControl)
{
    for (const testing::DesignedControl& designed : kDesignedControls) {
        const Control control = designed.control;
        if (designed.caption.empty() || control == Frame1) {
            continue;
        }
        const SIZE extent =
            testing::RealisedFontOf(Handle(control), win32::Widen(designed.caption)).extent;
        const bool option = control == Option1 || control == Option2 || control == Option3;
        const int mark = option ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0;
        RECT rect{};
        GetClientRect(Handle(control), &rect);
        EXPECT_LE(extent.cx + mark, rect.right) << ControlName(control);
        EXPECT_LE(extent.cy, rect.bottom) << ControlName(control);
    }
}

// The fields and unit captions draw with the large font as realised in
// their device context: 24 points at the screen's DPI, Cyrillic, regular,
// in the designed face or, where the system lacks it (Wine), in one the
// system substitutes with the same widths.
TEST_F(Form1Win32Test, DrawsFieldsAndUnitsInTheLargeCyrillicFont)
{
    const int dpi = testing::ScreenDpi();
    for (const Control name : {Text1, Text2, Text3, Label2, Label3, Label4}) {
        const auto [metrics, realised, extent] = testing::RealisedFontOf(Handle(name));
        EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading, MulDiv(24, dpi, 72), 1)
            << ControlName(name);
        EXPECT_EQ(metrics.tmCharSet, RUSSIAN_CHARSET) << ControlName(name);
        EXPECT_EQ(metrics.tmWeight, FW_NORMAL) << ControlName(name);
        EXPECT_FALSE(metrics.tmItalic || metrics.tmUnderlined || metrics.tmStruckOut)
            << ControlName(name);
        EXPECT_TRUE(realised == "MS Sans Serif" || realised == "Microsoft Sans Serif" ||
                    realised == "Liberation Sans" || realised == "Arial")
            << ControlName(name) << " is drawn in " << realised;
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
    HWND option2 = Handle(Option2);
    SendMessageW(form_->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(option2), BN_CLICKED),
                 reinterpret_cast<LPARAM>(option2));
    EXPECT_FALSE(form_->model().OptionValue(Control::Option2));
    EXPECT_FALSE(form_->model().FieldEnabled(Control::Text3));
    EXPECT_NE(GetFocus(), Handle(Text3));
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
        SendMessageW(form.ControlHandle(Command2), BM_CLICK, 0, 0);
        RECT outer{};
        RECT client{};
        GetWindowRect(form.Handle(), &outer);
        GetClientRect(form.Handle(), &client);
        const int dpi = testing::ScreenDpi();
        EXPECT_GT((outer.bottom - outer.top) - client.bottom,
                  MulDiv(testing::kDesignedFrame, dpi, 1440))
            << "the frame is no thicker than designed";
        EXPECT_EQ(client.bottom,
                  MulDiv(testing::kClearedOuterHeight - testing::kDesignedFrame, dpi, 1440));
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

// What a box's text needs and what it has: the text word-wrapped in its
// own font at its control's width, the control, and the box's client area.
struct BoxText {
    RECT needed;
    RECT control;
    RECT box;
};
BoxText lastBox{};

void CALLBACK MeasureAndCloseTheBox(HWND /*window*/, UINT /*message*/, UINT_PTR timer,
                                    DWORD /*time*/)
{
    HWND box = FindWindowW(L"#32770", Widen(kErrorReportTitle).c_str());
    HWND text = GetDlgItem(box, 0xFFFF);  // a message box's text control
    if (text == nullptr) {
        return;
    }
    KillTimer(nullptr, timer);
    GetClientRect(box, &lastBox.box);
    GetWindowRect(text, &lastBox.control);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&lastBox.control), 2);
    lastBox.needed = {0, 0, lastBox.control.right - lastBox.control.left, 0};
    HDC dc = GetDC(text);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(text, WM_GETFONT, 0, 0)));
    DrawTextW(dc, WindowText(text).c_str(), -1, &lastBox.needed,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(text, dc);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// Every error box shows its whole text, in a comma and a point locale: its
// text control holds the text as it wraps there, with room to spare at the
// end of the widest line for glyphs drawn wider than measured, and lies
// within the box.
TEST(MessageBoxErrorReportWin32, ShowsItsWholeText)
{
    for (const RegionalSettings& settings :
         {RegionalSettings::Russian(), RegionalSettings::Point()}) {
        for (const ErrorKind kind :
             {ErrorKind::TypeMismatch, ErrorKind::Overflow, ErrorKind::InvalidProcedureCall}) {
            lastBox = {};
            SetTimer(nullptr, 0, 50, &MeasureAndCloseTheBox);
            MessageBoxErrorReport().Report(static_cast<int>(kind), DescribeError(kind), settings);
            const RECT& control = lastBox.control;
            EXPECT_GT(control.bottom, control.top) << static_cast<int>(kind);
            EXPECT_LE(lastBox.needed.bottom, control.bottom - control.top)
                << static_cast<int>(kind);
            EXPECT_LT(lastBox.needed.right, control.right - control.left) << static_cast<int>(kind);
            EXPECT_LE(control.right, lastBox.box.right) << static_cast<int>(kind);
        }
    }
}

}  // namespace
}  // namespace level::win32
