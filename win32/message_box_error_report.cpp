#include "win32/message_box_error_report.h"

#include "win32/utf16.h"

namespace level::win32 {

void MessageBoxErrorReport::Report(int number, std::string_view description,
                                   const RegionalSettings& settings)
{
    const std::wstring text = Widen(FormatErrorReport(number, description, settings));
    const std::wstring title = Widen(kErrorReportTitle);
    MessageBoxW(owner_, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace level::win32
