#pragma once

#include <windows.h>

#include "model/error_report.h"

namespace level::win32 {

// Shows an untrapped run-time error in a message box owned by the window;
// the window goes on once the user closes it.
class MessageBoxErrorReport final : public ErrorReport {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    void Report(ErrorKind kind, const RegionalSettings& settings) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace level::win32
