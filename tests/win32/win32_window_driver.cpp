// The window behaviours' driver for the native Windows window: the messages
// the user's mouse and keyboard send, through the program's own message
// loop, under Wine.

#include <windows.h>

#include <algorithm>
#include <memory>

#include <gtest/gtest.h>

#include "win32/form1.h"
#include "win32/utf16.h"
#include "window/capturing_report.h"
#include "window/designed_form.h"
#include "window/window_driver.h"

namespace level::testing {
namespace {

std::string TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return win32::Narrow(text);
}

void PutOnClipboard(HWND owner, const std::string& text)
{
    const std::wstring wide = win32::Widen(text);
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

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

class Win32WindowDriver final : public WindowDriver {
public:
    Win32WindowDriver()
        : form_(std::make_unique<win32::Form1>(GetModuleHandleW(nullptr),
                                               RegionalSettings::Comma(), report_))
    {
        report_.look = [this] {
            return std::vector<std::string>{Text("Text1"), Text("Text2"), Text("Text3")};
        };
        form_->Show(SW_SHOWNORMAL);
        Pump();
    }

    ~Win32WindowDriver() override
    {
        if (other_ != nullptr) {
            DestroyWindow(other_);
        }
    }
    Win32WindowDriver(const Win32WindowDriver&) = delete;
    Win32WindowDriver& operator=(const Win32WindowDriver&) = delete;

    void Click(std::string_view control) override
    {
        SendMessageW(Handle(control), BM_CLICK, 0, 0);
        Pump();
    }

    void Press(Key key) override
    {
        static constexpr WPARAM kKeys[] = {VK_TAB,   VK_TAB,    VK_UP,     VK_DOWN, VK_LEFT,
                                           VK_RIGHT, VK_RETURN, VK_ESCAPE, VK_SPACE};
        BYTE keys[256]{};
        GetKeyboardState(keys);
        const BYTE shift = keys[VK_SHIFT];
        keys[VK_SHIFT] = key == Key::Backtab ? 0x80 : 0;
        SetKeyboardState(keys);
        Deliver(WM_KEYDOWN, kKeys[static_cast<int>(key)]);
        Deliver(WM_KEYUP, kKeys[static_cast<int>(key)]);
        keys[VK_SHIFT] = shift;
        SetKeyboardState(keys);
    }

    void TypeKeys(std::string_view text) override
    {
        for (const wchar_t unit : win32::Widen(text)) {
            Deliver(WM_CHAR, unit);
        }
    }

    void FocusAndSelectAll(std::string_view field) override
    {
        SetFocus(Handle(field));
        SendMessageW(Handle(field), EM_SETSEL, 0, -1);
        Pump();
    }

    void Paste(std::string_view field, const std::string& text) override
    {
        PutOnClipboard(form_->Handle(), text);
        FocusAndSelectAll(field);
        SendMessageW(Handle(field), WM_PASTE, 0, 0);  // what Ctrl+V does in an edit
        Pump();
    }

    void ResizeClient(PixelSize size) override
    {
        const PixelSize frame = FrameSize();
        SetWindowPos(form_->Handle(), nullptr, 0, 0, size.width + frame.width,
                     size.height + frame.height, SWP_NOMOVE | SWP_NOZORDER);
        Pump();
    }

    void SwitchToAnotherWindow() override
    {
        other_ = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 100, 100, nullptr, nullptr, nullptr, nullptr);
        SetActiveWindow(other_);
        Pump();
    }

    void SwitchBack() override
    {
        SetActiveWindow(form_->Handle());
        DestroyWindow(other_);
        other_ = nullptr;
        Pump();
    }

    [[nodiscard]] std::string Text(std::string_view control) const override
    {
        return TextOf(Handle(control));
    }

    [[nodiscard]] bool Enabled(std::string_view control) const override
    {
        return IsWindowEnabled(Handle(control)) != FALSE;
    }

    [[nodiscard]] bool Checked(std::string_view option) const override
    {
        return SendMessageW(Handle(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    [[nodiscard]] std::string Focused() const override
    {
        HWND focus = GetFocus();
        for (const DesignedControl& control : kDesignedControls) {
            if (focus != nullptr && form_->ControlHandle(control.name) == focus) {
                return std::string(control.name);
            }
        }
        return {};
    }

    [[nodiscard]] std::pair<int, int> Selection(std::string_view field) const override
    {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(Handle(field), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end)};
    }

    [[nodiscard]] int FirstVisibleCharacter(std::string_view field) override
    {
        // A single-line edit answers with its first visible character.
        return static_cast<int>(SendMessageW(Handle(field), EM_GETFIRSTVISIBLELINE, 0, 0));
    }

    [[nodiscard]] int TextLimit(std::string_view field) const override
    {
        return static_cast<int>(SendMessageW(Handle(field), EM_GETLIMITTEXT, 0, 0));
    }

    [[nodiscard]] int FontPoints(std::string_view control) const override
    {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Handle(control), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        return MulDiv(-font.lfHeight, 72, ScreenDpi());
    }

    [[nodiscard]] int LineHeight(std::string_view control) const override
    {
        return Metrics(control).tmHeight;
    }

    [[nodiscard]] std::optional<PixelRect> Geometry(std::string_view control) const override
    {
        if (control == "Shape1") {
            return std::nullopt;  // an outline the window paints, no control
        }
        RECT rect{};
        GetWindowRect(Handle(control), &rect);
        MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return PixelRect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    }

    [[nodiscard]] PixelSize ClientSize() const override
    {
        RECT client{};
        GetClientRect(form_->Handle(), &client);
        return {client.right, client.bottom};
    }

    [[nodiscard]] std::uint32_t PixelAt(int x, int y) override
    {
        RedrawWindow(form_->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        // Read from the control that is drawn there, or else the window.
        POINT point{x, y};
        HWND drawn = ChildWindowFromPointEx(form_->Handle(), point, CWP_SKIPINVISIBLE);
        MapWindowPoints(form_->Handle(), drawn, &point, 1);
        HDC dc = GetDC(drawn);
        const COLORREF pixel = GetPixel(dc, point.x, point.y);
        ReleaseDC(drawn, dc);
        return (static_cast<std::uint32_t>(GetRValue(pixel)) << 16) |
               (static_cast<std::uint32_t>(GetGValue(pixel)) << 8) | GetBValue(pixel);
    }

    [[nodiscard]] int TwipsToPixels(int twips) const override
    {
        return MulDiv(twips, ScreenDpi(), 1440);
    }

    [[nodiscard]] const ConverterModel& Model() const override { return form_->model(); }
    [[nodiscard]] const std::vector<int>& ReportedErrors() const override
    {
        return report_.numbers;
    }
    [[nodiscard]] const std::vector<std::string>& ShownAtReport() const override
    {
        return report_.shownAtReport;
    }

private:
    [[nodiscard]] HWND Handle(std::string_view name) const
    {
        HWND handle = name == "Form1" ? form_->Handle() : form_->ControlHandle(name);
        EXPECT_NE(handle, nullptr) << name;
        return handle;
    }

    // A message from the keyboard to the focused control, through the
    // program's message loop: the dialog manager first, then the control.
    void Deliver(UINT message, WPARAM key)
    {
        MSG queued{GetFocus(), message, key, 1, static_cast<DWORD>(GetMessageTime()), {}};
        if (!form_->PreTranslate(queued)) {
            TranslateMessage(&queued);
            DispatchMessageW(&queued);
        }
        Pump();
    }

    // Runs the messages waiting in the queue as the program's loop would.
    void Pump()
    {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!form_->PreTranslate(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }

    [[nodiscard]] PixelSize FrameSize() const
    {
        RECT outer{};
        GetWindowRect(form_->Handle(), &outer);
        const PixelSize client = ClientSize();
        return {outer.right - outer.left - client.width, outer.bottom - outer.top - client.height};
    }

    // The metrics of the font the control draws with, as realised in its DC.
    [[nodiscard]] TEXTMETRICW Metrics(std::string_view control) const
    {
        HWND handle = Handle(control);
        HDC dc = GetDC(handle);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(handle, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(handle, dc);
        return metrics;
    }

    CapturingReport report_;
    std::unique_ptr<win32::Form1> form_;
    HWND other_ = nullptr;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver()
{
    return std::make_unique<Win32WindowDriver>();
}

}  // namespace level::testing
