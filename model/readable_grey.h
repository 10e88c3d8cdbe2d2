#pragma once

namespace level {

// A colour by its red, green and blue shares, each from 0 to 1.
struct Colour {
    double red;
    double green;
    double blue;
};

// The colour of a greyed field's text where the window picks it itself:
// from the style's greyed colour a tenth of the way at a time toward the
// text colour, until it reads at 4.5:1 on the background by the Web Content
// Accessibility Guidelines' contrast ratio; as grey as can be while still
// readable, on a light scheme or a dark one.
[[nodiscard]] Colour ReadableGrey(Colour grey, Colour text, Colour background);

}  // namespace level
