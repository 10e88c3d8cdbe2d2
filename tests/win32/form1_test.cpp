// What is the native window's own: how its fonts are realised and fit,
// its option buttons' notifications, a thicker frame and its icons. The window's behaviours run on
// both toolkits, from tests/window/.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <tuple>

#include <gtest/gtest.h>

#include "capturing_report.h"
#include "core/conversion_error.h"
#include "form_controls.h"
#include "gdi_reads.h"
#include "test_support.h"
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
        form_ = std::make_unique<Form1>(GetModuleHandleW(nullptr), kCommaSettings, report_);
        form_->Show(SW_SHOWNORMAL);
    }

    // A key through the program's message loop with another held (none
    // for 0); whether the window took it.
    bool PressWith(int held, UINT message, WPARAM key)
    {
        std::array<BYTE, 256> keys{};
        GetKeyboardState(keys.data());
        keys[static_cast<std::size_t>(held)] = held != 0 ? 0x80 : 0;
        SetKeyboardState(keys.data());
        MSG press{GetFocus(), message, key, 1, 0, {}};
        const bool taken = form_->PreTranslate(press);
        keys[static_cast<std::size_t>(held)] = 0;
        SetKeyboardState(keys.data());
        return taken;
    }

    // The width and height of the window's big or small icon.
    [[nodiscard]] std::pair<int, int> IconSize(WPARAM which) const
    {
        const auto icon =
            reinterpret_cast<HICON>(SendMessageW(form_->Handle(), WM_GETICON, which, 0));
        ICONINFO info{};
        EXPECT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return {static_cast<int>(bitmap.bmWidth), static_cast<int>(bitmap.bmHeight)};
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
        const SIZE extent = testing::RealisedFontOf(testing::ControlHandle(*form_, control),
                                                    win32::Widen(designed.caption))
                                .extent;
        const bool option = RowOf(control).kind == ControlKind::Option;
        const int mark = option ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0;
        RECT rect{};
        GetClientRect(testing::ControlHandle(*form_, control), &rect);
        EXPECT_LE(extent.cx + mark, rect.right) << control;
        EXPECT_LE(extent.cy, rect.bottom) << control;
    }
}

// The frame's top line is broken for its caption's whole width, measured in
// the frame's own font, and two blank pixels more on either side: no part of
// the caption has the line through it or touching it.
TEST_F(Form1Win32Test, TheFramesLineLeavesItsWholeCaptionClear)
{
    HWND frame = testing::ControlHandle(*form_, Frame1);
    const int caption = testing::RealisedFontOf(frame, L"Вводимая величина").extent.cx;
    RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW);
    RECT client{};
    GetClientRect(frame, &client);
    HDC dc = GetDC(frame);
    // The top line's row, found at the frame's right, clear of the caption.
    const int right = client.right - 4;
    const COLORREF face = GetPixel(dc, right, 0);
    int row = 0;
    while (row < client.bottom / 2 && GetPixel(dc, right, row) == face) {
        ++row;
    }
    const COLORREF line = GetPixel(dc, right, row);
    int widest = 0;
    for (int x = 2, run = 0; x < right; ++x) {
        run = GetPixel(dc, x, row) == line ? 0 : run + 1;
        widest = std::max(widest, run);
    }
    ReleaseDC(frame, dc);
    EXPECT_GE(widest, caption + 2 * 2);
}

// Every control draws in its designed font as realised in its device
// context: 24 points at the window's DPI for the fields and units, 8 for
// the rest, Cyrillic, regular, an outline font (a bitmap font has no such
// sizes and is never smoothed), in the designed face where it is an outline
// font, else in one with its widths.
void ExpectTheDesignedFonts(const Form1& form, int dpi)
{
    for (const testing::DesignedControl& designed : kDesignedControls) {
        const Control control = designed.control;
        if (designed.points == 0) {
            continue;  // the outline, which the window paints
        }
        const auto [metrics, realised, extent] =
            testing::RealisedFontOf(testing::ControlHandle(form, control));
        EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading, MulDiv(designed.points, dpi, 72),
                    1)
            << control << " at " << dpi;
        EXPECT_NE(metrics.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR), 0)
            << control << " is drawn in the bitmap font " << realised;
        EXPECT_EQ(metrics.tmCharSet, RUSSIAN_CHARSET) << control;
        EXPECT_EQ(metrics.tmWeight, FW_NORMAL) << control;
        EXPECT_FALSE(metrics.tmItalic || metrics.tmUnderlined || metrics.tmStruckOut) << control;
        EXPECT_TRUE(realised == "MS Sans Serif" || realised == "Microsoft Sans Serif" ||
                    realised == "Liberation Sans" || realised == "Arial")
            << control << " is drawn in " << realised;
    }
}

// At the screen's DPI, then moved to a screen of 144 dpi and to one of 96,
// the window places every control at its designed place and in its
// designed font at that DPI, carries its icons at the sizes the system
// draws them at on that screen (so that Windows picks the nearer image and
// scales from it), and keeps its cleared height.
TEST_F(Form1Win32Test, LaysItselfOutInItsDesignedOutlineFontsAtEachDpi)
{
    SendMessageW(testing::ControlHandle(*form_, Command2), BM_CLICK, 0, 0);
    for (const int dpi : {testing::ScreenDpi(), 144, 96}) {
        RECT outer{};
        GetWindowRect(form_->Handle(), &outer);
        SendMessageW(form_->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&outer));
        for (const testing::DesignedControl& designed : kDesignedControls) {
            if (designed.points == 0) {
                continue;
            }
            RECT place{};
            GetWindowRect(testing::ControlHandle(*form_, designed.control), &place);
            MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&place), 2);
            EXPECT_EQ((std::array{place.left, place.top, place.right - place.left,
                                  place.bottom - place.top}),
                      (std::array<LONG, 4>{
                          MulDiv(designed.left, dpi, 1440), MulDiv(designed.top, dpi, 1440),
                          MulDiv(designed.width, dpi, 1440), MulDiv(designed.height, dpi, 1440)}))
                << designed.control << " at " << dpi;
        }
        ExpectTheDesignedFonts(*form_, dpi);
        RECT client{};
        GetClientRect(form_->Handle(), &client);
        EXPECT_EQ(client.bottom,
                  MulDiv(testing::kClearedOuterHeight - testing::kDesignedFrame, dpi, 1440));
        EXPECT_EQ(IconSize(ICON_BIG), (std::pair{MulDiv(32, dpi, 96), MulDiv(32, dpi, 96)}));
        EXPECT_EQ(IconSize(ICON_SMALL), (std::pair{MulDiv(16, dpi, 96), MulDiv(16, dpi, 96)}));
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

// While another program holds the clipboard for a moment, Ctrl+C waits for
// it, and a field's selection still arrives.
TEST_F(Form1Win32Test, CopiesWhileAnotherProgramHoldsTheClipboardBriefly)
{
    HANDLE held = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([held] {
        HWND other = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     nullptr, nullptr);
        OpenClipboard(other);
        EmptyClipboard();  // what was there before cannot pass for the copy
        SetEvent(held);
        Sleep(100);
        CloseClipboard();
        DestroyWindow(other);
    });
    SendMessageW(testing::ControlHandle(*form_, Option2), BM_CLICK, 0,
                 0);  // "0,775" selected in Text3
    WaitForSingleObject(held, INFINITE);
    EXPECT_TRUE(PressWith(VK_CONTROL, WM_KEYDOWN, 'C'));
    holder.join();
    CloseHandle(held);
    EXPECT_EQ(testing::ClipboardText(), "0,775");
}

// What Windows may send while an option takes the focus: a click
// notification from the unchecked button, or, with checkFirst, the button
// checked first and then notifying.
LRESULT CALLBACK NotifyAsAFocusMay(HWND option, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR /*id*/, DWORD_PTR checkFirst)
{
    if (message == WM_SETFOCUS) {
        if (checkFirst != 0) {
            SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
        }
        SendMessageW(GetParent(option), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(option), BN_CLICKED),
                     reinterpret_cast<LPARAM>(option));
    }
    return DefSubclassProc(option, message, wParam, lParam);
}

// Only a click, Space or an arrow key selects an option: a focus selects
// none and shows no check mark, at start, on Tab into the group and on the
// window's return, whatever notification comes with it.
TEST(Form1Win32Focus, SelectsNoOptionWhateverComesWithIt)
{
    for (const DWORD_PTR checkFirst : {0, 1}) {
        testing::CapturingReport report;
        Form1 form(GetModuleHandleW(nullptr), kCommaSettings, report);
        for (const Control option : {Option1, Option2, Option3}) {
            SetWindowSubclass(testing::ControlHandle(form, option), &NotifyAsAFocusMay, 1,
                              checkFirst);
        }
        auto expectNoneSelected = [&](const char* when) {
            for (const Control option : {Option1, Option2, Option3}) {
                EXPECT_EQ(SendMessageW(testing::ControlHandle(form, option), BM_GETCHECK, 0, 0),
                          BST_UNCHECKED)
                    << when << checkFirst;
            }
        };
        HWND option2 = testing::ControlHandle(form, Option2);
        form.Show(SW_SHOWNORMAL);
        expectNoneSelected("at start");
        SetFocus(testing::ControlHandle(form, Command2));
        MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
        form.PreTranslate(tab);
        EXPECT_EQ(GetFocus(), testing::ControlHandle(form, Option1));
        expectNoneSelected("on Tab");
        SendMessageW(form.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
        SetFocus(nullptr);
        SendMessageW(form.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
        expectNoneSelected("on return");
        SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(option2), BN_CLICKED),
                     reinterpret_cast<LPARAM>(option2));
        expectNoneSelected("on a notification alone");
        SendMessageW(option2, BM_CLICK, 0, 0);
        EXPECT_EQ(SendMessageW(option2, BM_GETCHECK, 0, 0), BST_CHECKED);
    }
}

// A popup menu as it came up: whether it was the window menu, how many
// items it had, and where it stood.
struct Popup {
    bool windowMenu = false;
    int items = 0;
    RECT place{};
    int widestBlank = 0;  // in the last item: between its text and its keys
};
Popup lastPopup{};

// The widest run of blank columns between the first and the last inked one
// of a menu item, as painted on the screen.
int WidestBlank(HMENU menu, int item)
{
    RECT rect{};
    GetMenuItemRect(nullptr, menu, static_cast<UINT>(item), &rect);
    HDC screen = GetDC(nullptr);
    const COLORREF background = GetPixel(screen, rect.left + 1, rect.top + 1);
    int widest = 0;
    int blank = 0;
    bool inked = false;
    for (int x = rect.left; x < rect.right; ++x) {
        bool column = false;
        for (int y = rect.top; y < rect.bottom && !column; ++y) {
            column = GetPixel(screen, x, y) != background;
        }
        if (column) {
            widest = inked ? std::max(widest, blank) : widest;
            inked = true;
            blank = 0;
        } else {
            ++blank;
        }
    }
    ReleaseDC(nullptr, screen);
    return widest;
}

// The width of a blank in the menus' font.
int MenuBlankWidth()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    SIZE blank{};
    GetTextExtentPoint32W(screen, L" ", 1, &blank);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return blank.cx;
}

void CALLBACK ReadAndCloseThePopup(HWND /*window*/, UINT /*message*/, UINT_PTR timer,
                                   DWORD /*time*/)
{
    const auto [popup, menu] = testing::OpenPopupMenu();
    if (menu == nullptr) {
        return;
    }
    KillTimer(nullptr, timer);
    lastPopup.windowMenu = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != 0xFFFFFFFF;
    lastPopup.items = GetMenuItemCount(menu);
    GetWindowRect(popup, &lastPopup.place);
    lastPopup.widestBlank = WidestBlank(menu, lastPopup.items - 1);
    EndMenu();
}

// A right click outside the fields, on the caption, brings up the window
// menu; the menu key and Shift+F10 on the focused field bring up the
// field's own menu, at the field, each item's keys well clear of its text
// (its longest text, «Копировать результат», too).
TEST_F(Form1Win32Test, OpensTheWindowMenuOnTheCaptionAndAFieldsMenuByKey)
{
    RECT outer{};
    RECT client{};
    GetWindowRect(form_->Handle(), &outer);
    GetClientRect(form_->Handle(), &client);
    POINT caption{(outer.left + outer.right) / 2, outer.top + GetSystemMetrics(SM_CYFRAME) + 4};
    lastPopup = {};
    SetTimer(nullptr, 0, 50, &ReadAndCloseThePopup);
    SendMessageW(form_->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form_->Handle()),
                 MAKELPARAM(caption.x, caption.y));
    EXPECT_TRUE(lastPopup.windowMenu);

    SendMessageW(testing::ControlHandle(*form_, Option1), BM_CLICK, 0, 0);
    RECT field{};
    GetWindowRect(testing::ControlHandle(*form_, Text1), &field);
    for (const auto& [held, message, key] :
         {std::tuple{0, WM_KEYDOWN, VK_APPS}, std::tuple{VK_SHIFT, WM_SYSKEYDOWN, VK_F10}}) {
        lastPopup = {};
        SetTimer(nullptr, 0, 50, &ReadAndCloseThePopup);
        EXPECT_TRUE(PressWith(held, static_cast<UINT>(message), static_cast<WPARAM>(key)));
        EXPECT_EQ(lastPopup.items, 11) << key;
        EXPECT_GE(lastPopup.widestBlank, 3 * MenuBlankWidth()) << key;
        EXPECT_LE(std::abs(lastPopup.place.left - field.left), 4) << key;
        EXPECT_LE(std::abs(lastPopup.place.top - field.top), 4) << key;
    }
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
        Form1 form(GetModuleHandleW(nullptr), kCommaSettings, report);
        form.Show(SW_SHOWNORMAL);
        SendMessageW(testing::ControlHandle(form, Command2), BM_CLICK, 0, 0);
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

// The controls are those of the common controls 6, which draw in the
// user's visual style (a push button of those knows its ideal size).
TEST_F(Form1Win32Test, DrawsItsControlsWithTheCommonControlsOfVisualStyles)
{
    SIZE ideal{};
    EXPECT_TRUE(SendMessageW(testing::ControlHandle(*form_, Command1), BCM_GETIDEALSIZE, 0,
                             reinterpret_cast<LPARAM>(&ideal)));
    EXPECT_GT(ideal.cx, 0);
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
    for (const RegionalSettings& settings : {kRussianSettings, kPointSettings}) {
        for (const ErrorKind kind :
             {ErrorKind::TypeMismatch, ErrorKind::Overflow, ErrorKind::InvalidProcedureCall}) {
            lastBox = {};
            SetTimer(nullptr, 0, 50, &MeasureAndCloseTheBox);
            MessageBoxErrorReport().Report(kind, settings);
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
