#pragma once

#include "core/regional_settings.h"

namespace level {

// The separators of the locales the tests meet most often.
inline RegionalSettings CommaSettings()
{
    return {",", "."};
}
inline RegionalSettings PointSettings()
{
    return {".", ","};
}
inline RegionalSettings RussianSettings()
{
    return {",", "\u00A0"};
}

}  // namespace level
