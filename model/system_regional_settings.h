#pragma once

#include "core/regional_settings.h"

namespace level {

// The separators of the user's locale, as the desktop reports them (LANG and
// LC_* on Linux, whether or not the C library's locales are generated).
[[nodiscard]] RegionalSettings ReadSystemRegionalSettings();

}  // namespace level
