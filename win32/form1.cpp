#include "win32/form1.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>
#include <string>
#include <tuple>
#include <utility>

#include "model/event_dispatch.h"
#include "model/result_line.h"
#include "model/tab_order.h"
#include "model/twips.h"
#include "win32/clipboard.h"
#include "win32/field_menu.h"
#include "win32/flat_field.h"
#include "win32/group_frame.h"
#include "win32/option_clicks.h"
#include "win32/utf16.h"
#include "win32/window_font.h"
#include "win32/window_metrics.h"

namespace level::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"Form1";
// No WS_CLIPCHILDREN: the frame control paints no background of its own, so
// the window paints its background under every control first.
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;

// The native control of each kind of control, and its
// styles; an option after a control of another kind also starts the option
// group. The fields are flat, with a plain border: their 3-D appearance is
// off. The window checks the options as the model selects them, and draws
// the outline (WM_DRAWITEM), which takes no mouse input.
struct NativeControl {
    const wchar_t* windowClass = nullptr;
    DWORD style = 0;
};
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
NativeControl NativeControlOf(ControlKind kind)
{
    switch (kind) {
        case ControlKind::Field:
            return {L"EDIT", kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL};
        case ControlKind::Option:
            return {L"BUTTON", kChild | WS_TABSTOP | BS_RADIOBUTTON};
        case ControlKind::PushButton:
            return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON};
        case ControlKind::Label:
            return {L"STATIC", kChild | SS_LEFT | SS_NOPREFIX};
        case ControlKind::Frame:
            return {L"BUTTON", kChild | BS_GROUPBOX};
        case ControlKind::Outline:
            return {L"STATIC", kChild | SS_OWNERDRAW};
    }
    return {};
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);  // fails harmlessly when already registered
}

}  // namespace

int ControlId(Control control)
{
    constexpr int kFirstControlId = 100;
    return kFirstControlId + static_cast<int>(IndexOf(control));
}

Form1::Form1(HINSTANCE instance, RegionalSettings settings, ErrorReport& report)
    : model_(std::move(settings)), report_(report), dpi_(ScreenDpi())
{
    const INITCOMMONCONTROLSEX tooltips{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&tooltips);
    RegisterWindowClass(instance, &Form1::WindowProcedure);
    RECT outer{0, 0, TwipsToPixels(kFormClientWidth, dpi_), TwipsToPixels(kFormClientHeight, dpi_)};
    AdjustWindowRectEx(&outer, kWindowStyle, FALSE, 0);
    const std::wstring caption = Widen(kForm1Caption);
    CreateWindowExW(0, kWindowClass, caption.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance,
                    this);
    tips_ = std::make_unique<FieldTips>(window_);
    CreateControls(instance);
    LayOut();
    model_.Form_Load();
    ShowModel();
}

Form1::~Form1()
{
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void Form1::Show(int showCommand)
{
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    model_.SetFocus(model_.FirstFocus());
    SetFocus(controls_[model_.Focus()]);
}

bool Form1::PreTranslate(MSG& message)
{
    return ActOnKey(AnswerKey(WindowKeyOf(message), controls_.ControlOf(GetFocus()))) ||
           IsDialogMessageW(window_, &message) != FALSE;
}

// A key by its name in the model; Shift+F10 comes as a system key.
WindowKey Form1::WindowKeyOf(const MSG& message)
{
    // clang-format off
    static constexpr std::tuple<UINT, WPARAM, KeyCode> kKeys[] = {
        {WM_KEYDOWN, 'C', KeyCode::C},            {WM_KEYDOWN, 'A', KeyCode::A},
        {WM_KEYDOWN, VK_DECIMAL, KeyCode::KeypadDecimal}, {WM_KEYDOWN, VK_APPS, KeyCode::Menu},
        {WM_SYSKEYDOWN, VK_F10, KeyCode::F10},    {WM_KEYDOWN, VK_RETURN, KeyCode::Enter},
        {WM_KEYDOWN, VK_DOWN, KeyCode::Down},     {WM_KEYDOWN, VK_RIGHT, KeyCode::Right},
        {WM_KEYDOWN, VK_UP, KeyCode::Up},         {WM_KEYDOWN, VK_LEFT, KeyCode::Left}};
    // clang-format on
    for (const auto& [kind, key, code] : kKeys) {
        if (message.message == kind && message.wParam == key) {
            return level::WindowKeyOf(
                {code, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0});
        }
    }
    return WindowKey::Other;
}

// Does what the model answers to a key; false where the key goes on.
bool Form1::ActOnKey(const KeyAnswer& answer)
{
    HWND target = controls_[answer.target];
    switch (answer.action) {
        case KeyAction::None:
            return false;
        case KeyAction::TypeDecimalSeparator:
            SendMessageW(
                target, EM_REPLACESEL, TRUE,
                reinterpret_cast<LPARAM>(Widen(model_.Settings().decimalSeparator).c_str()));
            return true;
        case KeyAction::CopyFromField:
            CopyFromField(window_, target);
            return true;
        case KeyAction::CopyResultLine:
            if (const auto line = ResultLine(model_);
                !line || !PutOnClipboard(window_, Widen(*line))) {
                MessageBeep(MB_OK);  // as for any command that cannot be done
            }
            return true;
        case KeyAction::SelectAll:
            SendMessageW(target, EM_SETSEL, 0, -1);  // the edit control itself selects nothing
            return true;
        case KeyAction::OpenFieldMenu:
            SendMessageW(target, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(target),
                         MAKELPARAM(-1, -1));
            return true;
        case KeyAction::Click:
            SetFocus(target);
            SendMessageW(target, BM_CLICK, 0, 0);
            return true;
    }
    return false;
}

LRESULT CALLBACK Form1::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->Dispatch(message, wParam, lParam);
}

LRESULT Form1::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_COMMAND:
            OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            if (OnActivate(LOWORD(wParam) != WA_INACTIVE)) {
                return 0;
            }
            break;
        case WM_DRAWITEM:
            DrawShape1(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CONTEXTMENU:
            if (OnContextMenu(reinterpret_cast<HWND>(wParam),
                              {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
                return 0;
            }
            break;  // over the caption, the window menu
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            // Closing the window ends the program; nothing is saved.
            window_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Form1::CreateControls(HINSTANCE instance)
{
    // Created in tab order, which is also the order the dialog manager tabs
    // through.
    ControlKind previous = ControlKind::Outline;
    for (const ControlRow& row : kForm1Controls) {
        if (!row.accessibleName.empty()) {
            // An empty-sized label, never seen, that names the control next:
            // Active Accessibility names a field after the label just before
            // it in the z-order. It starts a group, so that an option group
            // before it ends there.
            CreateWindowExW(0, L"STATIC", Widen(row.accessibleName).c_str(),
                            WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX, 0, 0, 0, 0, window_,
                            nullptr, instance, nullptr);
        }
        const NativeControl native = NativeControlOf(row.kind);
        const DWORD group = row.kind == ControlKind::Option && previous != row.kind ? WS_GROUP : 0;
        previous = row.kind;
        const auto id = static_cast<INT_PTR>(ControlId(row.control));
        HWND control =
            CreateWindowExW(0, native.windowClass, Widen(row.caption).c_str(), native.style | group,
                            0, 0, 0, 0, window_, reinterpret_cast<HMENU>(id), instance, nullptr);
        controls_.Set(row.control, control);
        if (row.kind == ControlKind::Field) {
            MakeFlatField(control);
            tips_->Add(control);
        }
        if (row.kind == ControlKind::Option) {
            WatchForUserClicks(control);
        }
        if (row.kind == ControlKind::Frame) {
            MakeGroupFrame(control);
        }
        if (row.kind == ControlKind::Frame || row.kind == ControlKind::Outline) {
            // The option buttons are drawn in front of the frame that holds
            // them, and the outline, made last, beneath everything.
            SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

// Enter arrives as IDOK where the window has not taken it, Escape as
// IDCANCEL, from no control: neither button is a default or cancel button.
void Form1::OnCommand(HWND control, int code)
{
    const Control from = controls_.ControlOf(control);
    if (IsField(from) && code == EN_MAXTEXT) {
        MessageBeep(MB_OK);  // a key the full field refused
        return;
    }
    if (IsField(from) && code == EN_CHANGE && !writingFields_) {
        model_.SetFieldText(from, Narrow(WindowText(control)));
        tips_->Show(control, model_.FieldText(from));
        return;
    }
    if (from == Control::None || code != BN_CLICKED || RowOf(from).onClick == nullptr) {
        return;
    }
    if (RowOf(from).kind == ControlKind::Option && !IsClickedByUser(control)) {
        // A notification of a focus, not a click: whatever the button did
        // to its check mark is undone.
        ShowOptions();
        return;
    }
    DispatchEvent(
        model_, RowOf(from).onClick, controls_.ControlOf(GetFocus()), [this] { ShowModel(); },
        report_);
}

// Every control at its place and in its font at the window's DPI, and the
// icons at that DPI's sizes. The fonts the controls had until now are
// deleted only once the controls have their new ones.
void Form1::LayOut()
{
    const WindowFont oldDialog =
        std::exchange(dialogFont_, MakeWindowFont(kDialogFontPoints, dpi_));
    const WindowFont oldLarge = std::exchange(largeFont_, MakeWindowFont(kLargeFontPoints, dpi_));
    for (const ControlRow& row : kForm1Controls) {
        const PixelRect place = TwipsToPixels(row.place, dpi_);
        SetWindowPos(controls_[row.control], nullptr, place.left, place.top, place.width,
                     place.height, SWP_NOZORDER | SWP_NOACTIVATE);
        HFONT font = (row.font == ControlFont::Large ? largeFont_ : dialogFont_).get();
        SendMessageW(controls_[row.control], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        if (row.kind == ControlKind::Field) {
            tips_->Follow(controls_[row.control]);
        }
    }
    icons_.Load(window_, dpi_);
    ShowLabel1();
    InvalidateRect(window_, nullptr, TRUE);
}

// Moved to a screen of another scale, or the scale changed: the window lays
// itself out anew and takes the place Windows suggests, its client height
// kept in inches, as the Qt window keeps it in device-independent pixels.
void Form1::OnDpiChanged(int dpi, const RECT& suggested)
{
    const int clientHeight = MulDiv(ClientPixelHeight(window_), dpi, dpi_);
    dpi_ = dpi;
    LayOut();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetClientPixelHeight(window_, clientHeight);
}

// A field's menu, from the field itself (FlatField passes it on, since the
// window's menu knows the fields as one result) or, for a greyed field,
// which takes no mouse input, from the point of a right click on the window.
bool Form1::OnContextMenu(HWND clicked, POINT at)
{
    Control control = controls_.ControlOf(clicked);
    if (!IsField(control)) {
        POINT inWindow = at;
        ScreenToClient(window_, &inWindow);
        control = controls_.ControlOf(ChildWindowFromPointEx(window_, inWindow, CWP_SKIPINVISIBLE));
    }
    if (IsField(control)) {
        ShowFieldMenu(window_, controls_[control], at, ResultLine(model_));
    }
    return IsField(control);
}

// The window remembers which control had the focus when it was left, and
// gives it back when the user returns; true when it did so.
bool Form1::OnActivate(bool active)
{
    if (!active) {
        if (const Control focus = controls_.ControlOf(GetFocus()); focus != Control::None) {
            model_.SetFocus(focus);
        }
        return false;
    }
    HWND focus = controls_[model_.Focus()];
    const bool givenBack = focus != nullptr && IsWindowEnabled(focus) != FALSE;
    if (givenBack) {
        SetFocus(focus);
    }
    return givenBack;
}

void Form1::ShowModel()
{
    for (const ControlRow& row : kForm1Controls) {
        if (row.kind == ControlKind::Field) {
            HWND field = controls_[row.control];
            const std::wstring text = Widen(model_.FieldText(row.control));
            if (WindowText(field) != text) {
                writingFields_ = true;
                SetWindowTextW(field, text.c_str());
                writingFields_ = false;
                tips_->Show(field, model_.FieldText(row.control));
            }
            EnableWindow(field, model_.FieldEnabled(row.control) ? TRUE : FALSE);
        }
    }
    ShowOptions();
    ShowLabel1();
    ShowWindowHeight();
    ShowFocus();
}

// Each option's check mark, and the group's one tab stop where the model
// has it: checking a radio button gives it WS_TABSTOP and unchecking takes
// it away, so with none checked the dialog manager would pass the group by.
void Form1::ShowOptions()
{
    for (const ControlRow& row : kForm1Controls) {
        if (row.kind == ControlKind::Option) {
            HWND option = controls_[row.control];
            SendMessageW(option, BM_SETCHECK,
                         model_.OptionValue(row.control) ? BST_CHECKED : BST_UNCHECKED, 0);
            const LONG style = GetWindowLongW(option, GWL_STYLE) & ~WS_TABSTOP;
            SetWindowLongW(option, GWL_STYLE,
                           style | (IsTabStop(model_, row.control) ? WS_TABSTOP : 0));
        }
    }
}

// Shows the model's focus, as ConverterModel::Focus says.
void Form1::ShowFocus()
{
    HWND focus = controls_[model_.Focus()];
    if (focus == nullptr || focus == GetFocus() || IsWindowVisible(window_) == FALSE) {
        return;
    }
    SetFocus(focus);
    if (IsField(model_.Focus())) {
        SendMessageW(focus, EM_SETSEL, 0, -1);
    }
}

// The information line's own font is made anew only for another size or
// DPI, and the one it had is deleted only once it has the new one.
void Form1::ShowLabel1()
{
    HWND label1 = controls_[Control::Label1];
    const int points = model_.Label1FontSize().value_or(kDialogFontPoints);
    std::pair<int, WindowFont> old;
    if (const int key = points * 10000 + dpi_; label1Font_.first != key) {
        old = std::exchange(label1Font_, {key, MakeWindowFont(points, dpi_)});
    }
    SendMessageW(label1, WM_SETFONT, reinterpret_cast<WPARAM>(label1Font_.second.get()), FALSE);
    SetWindowTextW(label1, Widen(model_.Label1Caption()).c_str());
}

// Whatever frame the system draws (Windows 10 and 11 draw a far thicker one
// than designed), the client area takes the model's client height. A
// maximised or minimised window keeps its state: the height goes to the
// size it has when restored.
void Form1::ShowWindowHeight()
{
    if (const auto clientHeight = model_.TakeHeightWrite()) {
        SetClientPixelHeight(window_, TwipsToPixels(*clientHeight, dpi_));
    }
}

// The outline: one thin line in the window-text colour, nothing filled.
void Form1::DrawShape1(const DRAWITEMSTRUCT& item)
{
    FrameRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOWTEXT));
}

}  // namespace level::win32
