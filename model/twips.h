#pragma once

namespace level {

// Positions and sizes are designed in twips, 1440 to the inch: 15 twips to a
// pixel on a screen of 96 dots per inch, the scale Qt's device-independent
// pixels keep on any screen.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;

// A place in twips from the top left of the client area, or the same in
// pixels.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};
struct PixelRect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const PixelRect&) const = default;
};

// Twips to pixels on a screen of dpi dots per inch, rounded to the nearest
// pixel, halves away from zero (as Windows' MulDiv rounds).
[[nodiscard]] constexpr int TwipsToPixels(int twips, int dpi = kStandardDpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>((scaled >= 0 ? scaled + half : scaled - half) / kTwipsPerInch);
}

[[nodiscard]] constexpr PixelRect TwipsToPixels(const TwipsRect& place, int dpi = kStandardDpi)
{
    return {TwipsToPixels(place.left, dpi), TwipsToPixels(place.top, dpi),
            TwipsToPixels(place.width, dpi), TwipsToPixels(place.height, dpi)};
}

}  // namespace level
