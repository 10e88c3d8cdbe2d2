#include "model/field_tip.h"

namespace level {
namespace {

bool StartsACharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
}

}  // namespace

std::string FieldTip(std::string_view text)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (StartsACharacter(text[i]) && characters++ == kFieldTipLength) {
            return std::string(text.substr(0, i)) + "…";
        }
    }
    return std::string(text);
}

}  // namespace level
