#include <windows.h>

#include "model/system_regional_settings.h"
#include "win32/form1.h"
#include "win32/message_box_error_report.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand)
{
    level::win32::MessageBoxErrorReport report;
    level::win32::Form1 form(instance, level::ReadSystemRegionalSettings(), report);
    report.SetOwner(form.Handle());
    form.Show(showCommand);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!form.PreTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
