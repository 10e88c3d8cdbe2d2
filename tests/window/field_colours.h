#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "window/window_driver.h"

namespace level::testing {

// Contrast ratio of two colours, 0xRRGGBB, by the Web Content
// Accessibility Guidelines.
inline double Contrast(std::uint32_t one, std::uint32_t other)
{
    auto luminance = [](std::uint32_t colour) {
        auto linear = [](std::uint32_t channel) {
            const double value = channel / 255.0;
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear((colour >> 16) & 0xFF) + 0.7152 * linear((colour >> 8) & 0xFF) +
               0.0722 * linear(colour & 0xFF);
    };
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// A field's background and the colour of its text where it stands out
// most: the full strokes of the characters across the field's middle.
struct FieldColours {
    std::uint32_t background;
    std::uint32_t text;
};

inline FieldColours ColoursOf(WindowDriver& window, Control field)
{
    const PixelRect place = window.See(field).place.value();
    const std::uint32_t background = window.PixelAt(place.left + 3, place.top + 3);
    std::uint32_t text = background;
    const int middle = place.top + place.height / 2;
    for (int x = place.left + 2; x < place.left + place.width / 2; ++x) {
        const std::uint32_t pixel = window.PixelAt(x, middle);
        if (Contrast(pixel, background) > Contrast(text, background)) {
            text = pixel;
        }
    }
    return {background, text};
}

// A fresh window after the typical decibel compute, and the colours of its
// two greyed results.
inline std::vector<FieldColours> GreyedResultColours()
{
    const std::unique_ptr<WindowDriver> window = MakeWindowDriver();
    window->Click(Option1);
    window->TypeKeys("10");
    window->Click(Command1);
    return {ColoursOf(*window, Text2), ColoursOf(*window, Text3)};
}

}  // namespace level::testing
