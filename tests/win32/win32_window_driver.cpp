// The window behaviours' driver for the native Windows window: the messages
// the user's mouse and keyboard send, through the program's own message
// loop, under Wine.

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <commctrl.h>

#include "form_controls.h"
#include "gdi_reads.h"
#include "test_support.h"
#include "win32/clipboard.h"
#include "win32/form1.h"
#include "win32/utf16.h"
#include "window/designed_form.h"
#include "window/window_driver.h"

namespace level::testing {
namespace {

// What Active Accessibility tells a screen reader of a control, or nothing
// where it makes no object for it. (The 64-bit Wine's oleacc answers
// E_NOINTERFACE for the standard controls; Windows and the 32-bit Wine
// answer.)
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
        std::string said = SUCCEEDED(answered) && text != nullptr ? win32::Narrow(text) : "(none)";
        SysFreeString(text);
        return said;
    };
    Spoken spoken{ask(&IAccessible::get_accName), ask(&IAccessible::get_accValue)};
    accessible->Release();
    return spoken;
}

class Win32WindowDriver final : public WindowDriver {
public:
    Win32WindowDriver()
        : form_(std::make_unique<win32::Form1>(GetModuleHandleW(nullptr), kCommaSettings, report))
    {
        form_->Show(SW_SHOWNORMAL);
        // The window manager frames, places and activates the window in its
        // own time (the first window of a process after Wine's own start);
        // a clear before it has done would be undone by it.
        const PixelSize designed{TwipsToPixels(kDesignedClientWidth),
                                 TwipsToPixels(kDesignedClientHeight)};
        WaitFor(
            [&] { return GetForegroundWindow() == form_->Handle() && ClientSize() == designed; },
            "the window active at its designed size, framed and placed");
    }

    ~Win32WindowDriver() override { DestroyWindow(other_); }
    Win32WindowDriver(const Win32WindowDriver&) = delete;
    Win32WindowDriver& operator=(const Win32WindowDriver&) = delete;

    void Click(Control control) override { Send(Handle(control), BM_CLICK); }

    void Press(Key key) override
    {
        // Each key, with Shift or Control held as the dialog manager and the
        // window read them.
        // clang-format off
        static constexpr std::tuple<Key, WPARAM, bool, bool> kKeys[] = {
            {Key::Tab, VK_TAB, false, false},         {Key::Backtab, VK_TAB, true, false},
            {Key::Up, VK_UP, false, false},           {Key::Down, VK_DOWN, false, false},
            {Key::Left, VK_LEFT, false, false},       {Key::Right, VK_RIGHT, false, false},
            {Key::Enter, VK_RETURN, false, false},    {Key::Escape, VK_ESCAPE, false, false},
            {Key::Space, VK_SPACE, false, false},     {Key::CtrlC, 'C', false, true},
            {Key::CtrlShiftC, 'C', true, true},       {Key::KeypadDecimal, VK_DECIMAL, false, false},
            {Key::CtrlA, 'A', false, true}};
        // clang-format on
        const auto* row =
            std::ranges::find(kKeys, key, [](const auto& keyRow) { return std::get<0>(keyRow); });
        ASSERT_NE(row, std::end(kKeys));
        const auto [name, virtualKey, shift, control] = *row;
        std::array<BYTE, 256> keys{};
        GetKeyboardState(keys.data());
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        keys[VK_CONTROL] = control ? 0x80 : 0;
        SetKeyboardState(keys.data());
        Deliver(WM_KEYDOWN, virtualKey);
        Deliver(WM_KEYUP, virtualKey);
        keys[VK_SHIFT] = 0;
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys.data());
    }

    void TypeKeys(std::string_view text) override
    {
        for (const wchar_t unit : win32::Widen(text)) {
            Deliver(WM_CHAR, unit);
        }
    }

    void FocusAndSelectAll(Control field) override
    {
        SetFocus(Handle(field));
        Send(Handle(field), EM_SETSEL, 0, -1);
    }

    void Paste(Control field, const std::string& text) override
    {
        ASSERT_TRUE(win32::PutOnClipboard(form_->Handle(), win32::Widen(text)));
        FocusAndSelectAll(field);
        Send(Handle(field), WM_PASTE);  // what Ctrl+V does in an edit
    }

    void ResizeClient(PixelSize size) override
    {
        RECT outer{};
        GetWindowRect(form_->Handle(), &outer);
        const PixelSize client = ClientSize();
        SetWindowPos(
            form_->Handle(), nullptr, 0, 0, outer.right - outer.left - client.width + size.width,
            outer.bottom - outer.top - client.height + size.height, SWP_NOMOVE | SWP_NOZORDER);
        WaitFor([&] { return ClientSize() == size; }, "the window resized");
    }

    void SetMaximised(bool maximised) override
    {
        ShowWindow(form_->Handle(), maximised ? SW_MAXIMIZE : SW_RESTORE);
        WaitFor([&] { return (IsZoomed(form_->Handle()) != FALSE) == maximised; },
                maximised ? "the window maximised" : "the window restored");
    }

    // The menu is modal: a timer reads it and chooses by the item's mnemonic
    // while it is up.
    std::vector<std::string> RightClickAndChoose(Control control, std::string_view item) override
    {
        menuItems_.clear();
        chosenItem_ = win32::Widen(item);
        SetTimer(form_->Handle(), kMenuTimer, 50, &ReadAndChoose);
        HWND target = Handle(control);
        RECT place{};
        GetWindowRect(target, &place);
        const LPARAM at =
            MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2);
        // A greyed control takes no mouse input: its right click reaches
        // the window.
        SendMessageW(IsWindowEnabled(target) != FALSE ? target : form_->Handle(), WM_CONTEXTMENU,
                     reinterpret_cast<WPARAM>(target), at);
        KillTimer(form_->Handle(), kMenuTimer);
        Pump();
        return menuItems_;
    }

    void SwitchToAnotherWindow() override
    {
        other_ = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 100, 100, nullptr, nullptr, nullptr, nullptr);
        SetActiveWindow(other_);
        WaitFor([&] { return GetForegroundWindow() == other_; }, "the other window active");
    }

    void SwitchBack() override
    {
        SetActiveWindow(form_->Handle());
        DestroyWindow(std::exchange(other_, nullptr));
        WaitFor([&] { return GetForegroundWindow() == form_->Handle(); }, "the window active");
    }

    [[nodiscard]] Seen See(Control control) override { return SeeHandle(Handle(control)); }

    [[nodiscard]] Seen SeeWindow() override { return SeeHandle(form_->Handle()); }

    [[nodiscard]] std::optional<Spoken> AskScreenReader(Control control) override
    {
        return AskActiveAccessibility(Handle(control));
    }

    [[nodiscard]] Control Focused() const override
    {
        return testing::ControlOf(*form_, GetFocus());
    }

    [[nodiscard]] PixelSize ClientSize() const override
    {
        RECT client{};
        GetClientRect(form_->Handle(), &client);
        return {client.right, client.bottom};
    }

    [[nodiscard]] std::string Clipboard() const override { return ClipboardText(); }

    [[nodiscard]] std::uint32_t HighlightColour() const override
    {
        return Rgb(GetSysColor(COLOR_HIGHLIGHT));
    }

    [[nodiscard]] std::uint32_t FrameColour() const override
    {
        return Rgb(GetSysColor(COLOR_WINDOWFRAME));
    }

    [[nodiscard]] std::uint32_t PixelAt(int x, int y) override
    {
        RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        // From the window surface of the control drawn there, border
        // included, or else of the window's client area.
        HWND drawn = ChildWindowFromPointEx(form_->Handle(), POINT{x, y}, CWP_SKIPINVISIBLE);
        RECT origin{};
        if (drawn != form_->Handle()) {
            GetWindowRect(drawn, &origin);
            MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&origin), 2);
        }
        HDC dc = drawn == form_->Handle() ? GetDC(drawn) : GetWindowDC(drawn);
        const COLORREF pixel = GetPixel(dc, x - origin.left, y - origin.top);
        ReleaseDC(drawn, dc);
        return Rgb(pixel);
    }

    [[nodiscard]] int TwipsToPixels(int twips) const override
    {
        return MulDiv(twips, ScreenDpi(), 1440);
    }

private:
    [[nodiscard]] Seen SeeHandle(HWND handle)
    {
        Seen seen{.text = win32::Narrow(win32::WindowText(handle)),
                  .enabled = IsWindowEnabled(handle) != FALSE,
                  .maximised = IsZoomed(handle) != FALSE};
        std::array<wchar_t, 16> kind{};
        GetClassNameW(handle, kind.data(), static_cast<int>(kind.size()));
        seen.checked = std::wstring_view(kind.data()) == L"Button" &&
                       SendMessageW(handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
        auto* font = reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0));
        LOGFONTW designed{};
        GetObjectW(font, sizeof designed, &designed);
        seen.fontPoints = MulDiv(-designed.lfHeight, 72, ScreenDpi());
        seen.lineHeight = RealisedFontOf(handle).metrics.tmHeight;
        if (handle != form_->Handle()) {
            RECT rect{};
            GetWindowRect(handle, &rect);
            MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&rect), 2);
            seen.place =
                PixelRect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
        }
        if (std::wstring_view(kind.data()) == L"Edit") {
            DWORD start = 0;
            DWORD end = 0;
            SendMessageW(handle, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
            seen.selection = {static_cast<int>(start), static_cast<int>(end)};
            // A single-line edit answers with its first visible character.
            seen.firstVisible =
                static_cast<int>(SendMessageW(handle, EM_GETFIRSTVISIBLELINE, 0, 0));
            seen.toolTip = HoverTip(handle);
        }
        return seen;
    }

    static constexpr UINT_PTR kMenuTimer = 7;

    // The tip the window's tooltips hold for the mouse resting on the
    // field's middle: the field's own while it takes the mouse, else the
    // window's for that place.
    [[nodiscard]] std::string HoverTip(HWND field) const
    {
        RECT place{};
        GetClientRect(field, &place);
        TTHITTESTINFOW hit{};
        hit.hwnd = field;
        hit.pt = {place.right / 2, place.bottom / 2};
        if (IsWindowEnabled(field) == FALSE) {
            hit.hwnd = form_->Handle();
            MapWindowPoints(field, form_->Handle(), &hit.pt, 1);
        }
        hit.ti.cbSize = sizeof hit.ti;
        HWND tips = nullptr;  // the window's own tooltips
        do {
            tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr);
        } while (tips != nullptr && GetWindow(tips, GW_OWNER) != form_->Handle());
        if (SendMessageW(tips, TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit)) == FALSE) {
            return {};
        }
        std::array<wchar_t, 1024> text{};
        hit.ti.lpszText = text.data();
        SendMessageW(tips, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&hit.ti));
        return win32::Narrow(text.data());
    }

    static void CALLBACK ReadAndChoose(HWND window, UINT /*message*/, UINT_PTR timer,
                                       DWORD /*time*/)
    {
        const auto [popup, menu] = OpenPopupMenu();
        if (menu == nullptr) {
            return;
        }
        KillTimer(window, timer);
        wchar_t mnemonic = 0;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            std::array<wchar_t, 64> text{};
            GetMenuStringW(menu, static_cast<UINT>(i), text.data(), static_cast<int>(text.size()),
                           MF_BYPOSITION);
            // The item's name, and after a tab the keys that do the same.
            std::wstring shown(text.data());
            const std::size_t tab = shown.find(L'\t');
            std::wstring name = shown.substr(0, tab);
            name.erase(name.find_last_not_of(L' ') + 1);  // blanks at its end show nothing
            const std::size_t amp = name.find(L'&');
            if (amp != std::wstring::npos) {
                name.erase(amp, 1);
            }
            if (name == chosenItem_ && amp != std::wstring::npos) {
                mnemonic = name[amp];
            }
            shown = tab == std::wstring::npos ? name : name + L"  " + shown.substr(tab + 1);
            const bool greyed = (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) &
                                 (MF_GRAYED | MF_DISABLED)) != 0;
            const std::string item = win32::Narrow(shown);
            menuItems_.push_back(
                (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) != 0 ? "-"
                : greyed ? "(" + item + ")"
                         : item);
        }
        if (mnemonic != 0) {
            PostMessageW(popup, WM_CHAR, mnemonic, 0);
        } else {
            EndMenu();
        }
    }

    static inline std::vector<std::string> menuItems_;
    static inline std::wstring chosenItem_;

    [[nodiscard]] HWND Handle(Control control) const
    {
        HWND handle = testing::ControlHandle(*form_, control);
        EXPECT_NE(handle, nullptr) << control;
        return handle;
    }

    void Send(HWND to, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        SendMessageW(to, message, wParam, lParam);
        Pump();
    }

    // A message from the keyboard to the focused control, through the
    // program's message loop: the dialog manager first, then the control.
    void Deliver(UINT message, WPARAM key)
    {
        MSG queued{GetFocus(), message, key, 1, static_cast<DWORD>(GetMessageTime()), {}};
        Run(queued);
        Pump();
    }

    void Run(MSG& message)
    {
        if (!form_->PreTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    // Runs the messages waiting in the queue as the program's loop would.
    void Pump()
    {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            Run(message);
        }
    }

    // Pumps until what a step needs has come about, and the window has
    // then kept its place and size for a while: a window manager maps,
    // frames, places, activates and resizes windows in its own time, each
    // as one or more moves.
    template <typename Condition>
    void WaitFor(Condition&& done, const char* what)
    {
        const DWORD start = GetTickCount();
        RECT last{};
        DWORD steadySince = start;
        for (;;) {
            Pump();
            RECT now{};
            GetWindowRect(form_->Handle(), &now);
            if (EqualRect(&now, &last) == FALSE) {
                last = now;
                steadySince = GetTickCount();
            } else if (done() && GetTickCount() - steadySince >= kSteadyMs) {
                return;
            }
            if (GetTickCount() - start > kPatienceMs) {
                ADD_FAILURE() << "waited in vain for " << what;
                return;
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }

    static constexpr DWORD kSteadyMs = 200;
    static constexpr DWORD kPatienceMs = 10000;

    std::unique_ptr<win32::Form1> form_;
    HWND other_ = nullptr;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver()
{
    return std::make_unique<Win32WindowDriver>();
}

}  // namespace level::testing
