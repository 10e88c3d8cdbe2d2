#include "model/readable_grey.h"

#include <algorithm>
#include <cmath>

namespace level {
namespace {

// Relative luminance as the guidelines define it.
double Luminance(const Colour& colour)
{
    auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

double Contrast(const Colour& one, const Colour& other)
{
    const double first = Luminance(one);
    const double second = Luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

}  // namespace

Colour ReadableGrey(Colour grey, Colour text, Colour background)
{
    constexpr double kReadable = 4.5;
    for (int tenths = 0; tenths < 10; ++tenths) {
        const double share = tenths / 10.0;
        const Colour mixed{grey.red + (text.red - grey.red) * share,
                           grey.green + (text.green - grey.green) * share,
                           grey.blue + (text.blue - grey.blue) * share};
        if (Contrast(mixed, background) >= kReadable) {
            return mixed;
        }
    }
    return text;
}

}  // namespace level
