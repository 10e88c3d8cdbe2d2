#include "win32/window_font.h"

#include <string>

#include "model/form1_layout.h"
#include "win32/utf16.h"

namespace level::win32 {
namespace {

int CALLBACK NoteAnOutlineFont(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD type,
                               LPARAM found)
{
    if ((type & RASTER_FONTTYPE) == 0) {
        *reinterpret_cast<bool*>(found) = true;
        return 0;  // enough
    }
    return 1;
}

bool IsInstalledAsOutline(HDC dc, const std::wstring& family)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = RUSSIAN_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &wanted, &NoteAnOutlineFont, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// Picked once; none where no family of the list is installed, which leaves
// the choice to GDI.
const std::wstring& WindowFamily()
{
    static const std::wstring family = [] {
        HDC screen = GetDC(nullptr);
        std::wstring chosen = Widen(WindowFontFamily(
            [screen](std::string_view name) { return IsInstalledAsOutline(screen, Widen(name)); }));
        ReleaseDC(nullptr, screen);
        return chosen;
    }();
    return family;
}

}  // namespace

WindowFont MakeWindowFont(int points, int dpi)
{
    return WindowFont(CreateFontW(-MulDiv(points, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  RUSSIAN_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                                  WindowFamily().c_str()));
}

}  // namespace level::win32
