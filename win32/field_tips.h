#pragma once

#include <windows.h>

#include <string_view>

namespace level::win32 {

// The tooltips that show a field's whole text on hover. A greyed field
// takes no mouse input, so each field has two tools: the field itself while
// it is enabled, and its place in the window while it is not.
class FieldTips {
public:
    explicit FieldTips(HWND window);
    ~FieldTips();
    FieldTips(const FieldTips&) = delete;
    FieldTips& operator=(const FieldTips&) = delete;

    void Add(HWND field);
    // The field's tool by place follows it to where it stands now.
    void Follow(HWND field);
    void Show(HWND field, std::string_view text);

private:
    HWND window_;
    HWND tips_;
};

}  // namespace level::win32
