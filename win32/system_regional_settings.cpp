#include <windows.h>

#include <array>

#include "core/number_syntax.h"
#include "model/system_regional_settings.h"
#include "win32/utf16.h"

namespace level {
namespace {

std::string UserLocaleText(LCTYPE item, const char* fallback)
{
    std::array<wchar_t, LOCALE_NAME_MAX_LENGTH> buffer{};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer.data(),
                                       static_cast<int>(buffer.size()));
    if (length <= 1) {
        return fallback;
    }
    return win32::Narrow(std::wstring_view(buffer.data(), static_cast<std::size_t>(length - 1)));
}

}  // namespace

// The separators of the user's default locale in the Windows settings.
RegionalSettings ReadSystemRegionalSettings()
{
    // Windows lets users type their own symbols; those that could not work
    // give way to sound ones.
    return MendSeparators(
        {UserLocaleText(LOCALE_SDECIMAL, "."), UserLocaleText(LOCALE_STHOUSAND, "")});
}

}  // namespace level
