#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace level::win32 {

// A regular Cyrillic font of the window's family at this many points on a
// screen of this many dots per inch. The family is the first of the
// window's families that is installed as an outline font: a bitmap font
// (Windows' own "MS Sans Serif" is one) has no size beyond a few small ones
// and is never smoothed. The face is named rather than left to the
// precision flag, which not every system honours.
struct DeleteFont {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using WindowFont = std::unique_ptr<std::remove_pointer_t<HFONT>, DeleteFont>;
[[nodiscard]] WindowFont MakeWindowFont(int points, int dpi);

}  // namespace level::win32
