#include "win32/form1.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>
#include <utility>

#include "model/control_names.h"
#include "model/event_dispatch.h"
#include "model/result_line.h"
#include "win32/clipboard.h"
#include "win32/field_menu.h"
#include "win32/flat_field.h"
#include "win32/utf16.h"

namespace level::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"Form1";
constexpr int kFirstControlId = 100;
// No WS_CLIPCHILDREN: the frame control paints no background of its own, so
// the window paints its background under every control first.
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;
constexpr int kIconResource = 1;

// The native control behind a name of the layout, and its styles.
struct ControlKind {
    const wchar_t* windowClass;
    DWORD style;
};

ControlKind KindOf(std::string_view name)
{
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    if (name.starts_with("Text")) {
        // A flat field with a plain border: the fields' 3-D appearance is
        // off.
        return {L"EDIT", kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL};
    }
    if (name == "Option1") {
        return {L"BUTTON", kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON};
    }
    if (name.starts_with("Option")) {
        return {L"BUTTON", kChild | WS_TABSTOP | BS_AUTORADIOBUTTON};
    }
    if (name.starts_with("Command")) {
        return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON};
    }
    if (name == "Frame1") {
        return {L"BUTTON", kChild | BS_GROUPBOX};
    }
    return {L"STATIC", kChild | SS_LEFT | SS_NOPREFIX};
}

std::string_view CaptionOf(std::string_view name)
{
    constexpr std::pair<std::string_view, std::string_view> kCaptions[] = {
        {"Option1", kOption1Caption},   {"Option2", kOption2Caption},
        {"Option3", kOption3Caption},   {"Frame1", kFrame1Caption},
        {"Command1", kCommand1Caption}, {"Command2", kCommand2Caption},
        {"Label2", kLabel2Caption},     {"Label3", kLabel3Caption},
        {"Label4", kLabel4Caption}};
    for (const auto& [control, caption] : kCaptions) {
        if (control == name) {
            return caption;
        }
    }
    return {};
}

// What a screen reader calls a field: Active Accessibility names a field
// after the label just before it in the z-order.
std::string_view AccessibleNameOf(std::string_view name)
{
    constexpr std::pair<std::string_view, std::string_view> kNames[] = {
        {"Text1", kText1AccessibleName},
        {"Text2", kText2AccessibleName},
        {"Text3", kText3AccessibleName}};
    for (const auto& [control, accessibleName] : kNames) {
        if (control == name) {
            return accessibleName;
        }
    }
    return {};
}

bool UsesLargeFont(std::string_view name)
{
    return name.starts_with("Text") || name == "Label2" || name == "Label3" || name == "Label4";
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
    // At the sizes the system draws icons at, so that Windows picks the best
    // of the two images for the screen's DPI and scales from it.
    windowClass.hIcon =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    RegisterClassExW(&windowClass);  // fails harmlessly when already registered
}

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

Form1::Form1(HINSTANCE instance, RegionalSettings settings, ErrorReport& report)
    : model_(std::move(settings)), report_(report), dpi_(ScreenDpi())
{
    const INITCOMMONCONTROLSEX tooltips{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&tooltips);
    RegisterWindowClass(instance, &Form1::WindowProcedure);
    RECT outer{0, 0, TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight)};
    AdjustWindowRectEx(&outer, kWindowStyle, FALSE, 0);
    const std::wstring caption = Widen(kForm1Caption);
    CreateWindowExW(0, kWindowClass, caption.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance,
                    this);
    tips_ = std::make_unique<FieldTips>(window_);
    dialogFont_ = MakeFont(kDialogFontPoints);
    largeFont_ = MakeFont(kLargeFontPoints);
    CreateControls(instance);
    model_.Form_Load();
    ShowModel();
}

Form1::~Form1()
{
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    for (HFONT font : {dialogFont_, largeFont_, label1Font_}) {
        if (font != nullptr) {
            DeleteObject(font);
        }
    }
}

void Form1::Show(int showCommand)
{
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    // Text1 comes first in the tab order but is disabled, so the first
    // focus goes to Option1; the model learns where it really landed.
    SetFocus(ControlHandle("Option1"));
    model_.SetFocus(ControlOf(GetFocus()));
}

bool Form1::PreTranslate(MSG& message)
{
    if (message.message == WM_KEYDOWN && message.wParam == VK_DECIMAL && TypeDecimalSeparator()) {
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == 'C' && GetKeyState(VK_CONTROL) < 0 &&
        CopyResultLine()) {
        return true;
    }
    return IsDialogMessageW(window_, &message) != FALSE;
}

// The keypad's decimal key types the user's decimal separator into a
// field, whatever the keyboard layout puts on it.
bool Form1::TypeDecimalSeparator()
{
    if (!IsField(GetFocus())) {
        return false;
    }
    const std::wstring separator = Widen(model_.Settings().decimalSeparator);
    SendMessageW(GetFocus(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(separator.c_str()));
    return true;
}

// Ctrl+C that no field takes for its selection copies the three fields as
// one line.
bool Form1::CopyResultLine()
{
    if (IsField(GetFocus()) && HasSelection(GetFocus())) {
        return false;  // the field copies its selection
    }
    PutOnClipboard(window_, Widen(ResultLine(model_)));
    return true;
}

HWND Form1::ControlHandle(std::string_view name) const
{
    for (std::size_t i = 0; i < kForm1Layout.size(); ++i) {
        if (kForm1Layout[i].name == name) {
            return controls_[i];
        }
    }
    return nullptr;
}

int Form1::TwipsToPixels(int twips) const
{
    return MulDiv(twips, dpi_, 1440);
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
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            if (OnActivate(LOWORD(wParam) != WA_INACTIVE)) {
                return 0;
            }
            return DefWindowProcW(window_, message, wParam, lParam);
        case WM_PAINT:
            PaintShape1();
            return 0;
        case WM_CONTEXTMENU:
            OnContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_DESTROY:
            // Closing the window ends the program; nothing is saved.
            window_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Form1::CreateControls(HINSTANCE instance)
{
    // Created in tab order, which is also the order the dialog manager tabs
    // through; the outline is no window but is painted beneath them all.
    for (std::size_t i = 0; i < kForm1Layout.size(); ++i) {
        const ControlPlacement& placement = kForm1Layout[i];
        if (placement.name == "Shape1") {
            continue;
        }
        if (const std::string_view accessibleName = AccessibleNameOf(placement.name);
            !accessibleName.empty()) {
            // An empty-sized label, never seen, that names the field next.
            // It starts a group, so the option group before it ends at
            // Option3.
            CreateWindowExW(0, L"STATIC", Widen(accessibleName).c_str(),
                            WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX,
                            TwipsToPixels(placement.left), TwipsToPixels(placement.top), 0, 0,
                            window_, nullptr, instance, nullptr);
        }
        const ControlKind kind = KindOf(placement.name);
        const std::wstring caption = Widen(CaptionOf(placement.name));
        controls_[i] = CreateWindowExW(
            0, kind.windowClass, caption.c_str(), kind.style, TwipsToPixels(placement.left),
            TwipsToPixels(placement.top), TwipsToPixels(placement.width),
            TwipsToPixels(placement.height), window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + static_cast<int>(i))),
            instance, nullptr);
        HFONT font = UsesLargeFont(placement.name) ? largeFont_ : dialogFont_;
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (placement.name.starts_with("Text")) {
            MakeFlatField(controls_[i]);
            tips_->Add(controls_[i]);
        }
        if (placement.name.starts_with("Option")) {
            // An option that merely receives the focus does not select
            // itself: only a click, a key press on it or the arrow keys do.
            SendMessageW(controls_[i], BM_SETDONTCLICK, TRUE, 0);
        }
    }
    // The option buttons are drawn in front of the frame that holds them.
    SetWindowPos(ControlHandle("Frame1"), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form1::OnCommand(int id, int code)
{
    if (id == IDOK) {
        PressFocusedButton();
        return;
    }
    const std::size_t index = static_cast<std::size_t>(id - kFirstControlId);
    if (id < kFirstControlId || index >= kForm1Layout.size()) {
        return;  // Escape arrives as IDCANCEL: nothing to press
    }
    const std::string_view name = kForm1Layout[index].name;
    if (code == EN_CHANGE && !writingFields_) {
        model_.SetFieldText(ControlOf(controls_[index]), Narrow(WindowText(controls_[index])));
        tips_->Show(controls_[index], model_.FieldText(ControlOf(controls_[index])));
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    if (name.starts_with("Option") &&
        SendMessageW(controls_[index], BM_GETCHECK, 0, 0) != BST_CHECKED) {
        // A real click checks an option before it notifies; a notification
        // from an unchecked one (a radio button that merely got the focus)
        // is no click.
        return;
    }
    constexpr std::pair<std::string_view, void (ConverterModel::*)()> kHandlers[] = {
        {"Option1", &ConverterModel::Option1_Click},
        {"Option2", &ConverterModel::Option2_Click},
        {"Option3", &ConverterModel::Option3_Click},
        {"Command1", &ConverterModel::Command1_Click},
        {"Command2", &ConverterModel::Command2_Click}};
    for (const auto& [control, handler] : kHandlers) {
        if (control == name) {
            Run(handler);
        }
    }
}

// Enter arrives as IDOK. Neither button is a default button, so Enter in a
// field presses nothing; a focused push button takes it as a press, as a
// focused button in a Windows dialog does.
void Form1::PressFocusedButton()
{
    HWND focus = GetFocus();
    if (ControlName(ControlOf(focus)).starts_with("Command")) {
        SendMessageW(focus, BM_CLICK, 0, 0);
    }
}

// A greyed field takes no mouse input, so its right click reaches the
// window.
void Form1::OnContextMenu(POINT at)
{
    for (Control control : {Control::Text1, Control::Text2, Control::Text3}) {
        HWND field = Widget(control);
        RECT place{};
        GetWindowRect(field, &place);
        if (PtInRect(&place, at) != FALSE) {
            ShowFieldMenu(window_, field, at);
            return;
        }
    }
}

void Form1::Run(void (ConverterModel::*handler)())
{
    model_.SetFocus(ControlOf(GetFocus()));
    DispatchEvent([this, handler] { (model_.*handler)(); }, [this] { ShowModel(); }, report_);
}

// The window remembers which control had the focus when it was left, and
// gives it back when the user returns; true when it did so.
bool Form1::OnActivate(bool active)
{
    if (!active) {
        if (const Control focus = ControlOf(GetFocus()); focus != Control::None) {
            model_.SetFocus(focus);
        }
        return false;
    }
    HWND focus = Widget(model_.Focus());
    if (focus == nullptr || IsWindowEnabled(focus) == FALSE) {
        return false;
    }
    SetFocus(focus);
    return true;
}

void Form1::ShowModel()
{
    for (Control control : {Control::Text1, Control::Text2, Control::Text3}) {
        HWND field = Widget(control);
        const std::wstring text = Widen(model_.FieldText(control));
        if (WindowText(field) != text) {
            writingFields_ = true;
            SetWindowTextW(field, text.c_str());
            writingFields_ = false;
            tips_->Show(field, model_.FieldText(control));
        }
        EnableWindow(field, model_.FieldEnabled(control) ? TRUE : FALSE);
    }
    bool anyChecked = false;
    for (Control control : {Control::Option1, Control::Option2, Control::Option3}) {
        anyChecked = anyChecked || model_.OptionValue(control);
        SendMessageW(Widget(control), BM_SETCHECK,
                     model_.OptionValue(control) ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (!anyChecked) {
        // Unchecking a radio button takes its tab stop away; with none
        // checked, Tab still reaches the group at its first button.
        HWND option1 = Widget(Control::Option1);
        SetWindowLongW(option1, GWL_STYLE, GetWindowLongW(option1, GWL_STYLE) | WS_TABSTOP);
    }
    ShowLabel1();
    ShowWindowHeight();
    ShowFocus();
}

// A handler that moves the focus to a field selects the field's whole text,
// so that what the user types next replaces it.
void Form1::ShowFocus()
{
    HWND focus = Widget(model_.Focus());
    if (focus == nullptr || focus == GetFocus() || IsWindowVisible(window_) == FALSE) {
        return;
    }
    SetFocus(focus);
    if (ControlName(model_.Focus()).starts_with("Text")) {
        SendMessageW(focus, EM_SETSEL, 0, -1);
    }
}

void Form1::ShowLabel1()
{
    HWND label1 = ControlHandle("Label1");
    HFONT font = dialogFont_;
    if (const auto points = model_.Label1FontSize()) {
        if (label1Font_ != nullptr) {
            DeleteObject(label1Font_);
        }
        label1Font_ = MakeFont(*points);
        font = label1Font_;
    }
    SendMessageW(label1, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowTextW(label1, Widen(model_.Label1Caption()).c_str());
}

// The model's height is the outer one, applied as the designed frame would
// take it: whatever frame the system draws (Windows 10 and 11 draw a far
// thicker one than designed), the client area keeps the designed share.
// A maximised or minimised window keeps its state: the height goes to the
// size it has when restored.
void Form1::ShowWindowHeight()
{
    if (model_.WindowHeightWrites() == shownHeightWrites_) {
        return;
    }
    shownHeightWrites_ = model_.WindowHeightWrites();
    RECT outer{};
    RECT client{};
    GetWindowRect(window_, &outer);
    GetClientRect(window_, &client);
    const int frame = (outer.bottom - outer.top) - client.bottom;
    const int height = TwipsToPixels(DesignedClientHeight(model_.WindowHeight())) + frame;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window_, &placement);
    if (placement.showCmd == SW_SHOWNORMAL) {
        SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + height;
    SetWindowPlacement(window_, &placement);
}

void Form1::PaintShape1()
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    const ControlPlacement& shape = kForm1Layout.back();
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, TwipsToPixels(shape.left), TwipsToPixels(shape.top),
              TwipsToPixels(shape.left + shape.width), TwipsToPixels(shape.top + shape.height));
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    EndPaint(window_, &paint);
}

HFONT Form1::MakeFont(int points) const
{
    const std::wstring family = Widen(kDesignFontFamily);
    return CreateFontW(-MulDiv(points, dpi_, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, family.c_str());
}

bool Form1::IsField(HWND handle) const
{
    return ControlName(ControlOf(handle)).starts_with("Text");
}

HWND Form1::Widget(Control control) const
{
    return ControlHandle(ControlName(control));
}

Control Form1::ControlOf(HWND handle) const
{
    for (std::size_t i = 0; i < kForm1Layout.size(); ++i) {
        if (handle != nullptr && controls_[i] == handle) {
            return ControlNamed(kForm1Layout[i].name);
        }
    }
    return Control::None;
}

}  // namespace level::win32
