#pragma once

#include <windows.h>

#include <memory>
#include <utility>

#include "core/regional_settings.h"
#include "model/control_handles.h"
#include "model/converter_model.h"
#include "model/form1_layout.h"
#include "model/window_keys.h"
#include "win32/field_tips.h"
#include "win32/window_font.h"
#include "win32/window_icons.h"

namespace level {
class ErrorReport;
}

namespace level::win32 {

// Each control's identifier among the window's children (GetDlgItem, and
// the notifications it sends): 100 plus its place in the table of controls.
[[nodiscard]] int ControlId(Control control);

// The converter window as a top-level window of the Windows desktop, its
// fourteen controls native ones at their designed places, bound to a
// ConverterModel: clicks run the handlers through the event dispatch, typing
// updates the model, and after every handler the controls show the model's
// state again.
class Form1 {
public:
    Form1(HINSTANCE instance, RegionalSettings settings, ErrorReport& report);
    ~Form1();

    // Shows the window and gives the first focus by the tab order.
    void Show(int showCommand);
    // Takes the keys the window answers itself, then lets the dialog
    // manager handle Tab and the mnemonics.
    bool PreTranslate(MSG& message);

    [[nodiscard]] HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls(HINSTANCE instance);
    void LayOut();
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnCommand(HWND control, int code);
    static WindowKey WindowKeyOf(const MSG& message);
    bool ActOnKey(const KeyAnswer& answer);
    bool OnContextMenu(HWND clicked, POINT at);
    bool OnActivate(bool active);
    void ShowModel();
    void ShowOptions();
    void ShowLabel1();
    void ShowWindowHeight();
    void ShowFocus();
    void DrawShape1(const DRAWITEMSTRUCT& item);

    ConverterModel model_;
    ErrorReport& report_;
    HWND window_ = nullptr;
    std::unique_ptr<FieldTips> tips_;
    WindowIcons icons_;
    int dpi_ = 96;
    ControlHandles<HWND> controls_;
    WindowFont dialogFont_;
    WindowFont largeFont_;
    // The information line's font of its own size, and its size and DPI.
    std::pair<int, WindowFont> label1Font_{};
    // Set while the window writes the fields itself, so that only the
    // user's typing reaches the model as typing.
    bool writingFields_ = false;
};

}  // namespace level::win32
