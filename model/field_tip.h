#pragma once

#include <string>
#include <string_view>

namespace level {

// The most characters a field's tooltip shows.
inline constexpr std::size_t kFieldTipLength = 256;

// What hovering a field shows: its whole text, which a long result does not
// fit in the field; a pasted text longer than kFieldTipLength characters
// shows its first ones and "…", so that the tip stays on the screen.
[[nodiscard]] std::string FieldTip(std::string_view text);

}  // namespace level
