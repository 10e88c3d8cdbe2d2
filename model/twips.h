#pragma once

#include <cmath>

namespace level {

// Positions and sizes are designed in twips, 1440 to the inch: 15 twips to a
// device-independent pixel at 96 dots per inch. Qt's high-DPI scaling then
// keeps the proportions on any screen.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips)
{
    // Rounded to the nearest pixel, halves away from zero.
    return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

}  // namespace level
