#include <emscripten/emscripten.h>

#include <cstdlib>
#include <string>

#include "core/number_syntax.h"
#include "model/system_regional_settings.h"

namespace {

// The decimal and the group separator of the page's language, as the
// browser formats numbers in it, joined by a line break.
// clang-format off
EM_JS(char*, level_language_separators, (), {
    var parts = new Intl.NumberFormat(navigator.language).formatToParts(1234567.5);
    var separator = function(type) {
        var part = parts.find(function(candidate) { return candidate.type === type; });
        return part === undefined ? "" : part.value;
    };
    var text = separator("decimal") + "\n" + separator("group");
    var size = lengthBytesUTF8(text) + 1;
    var pointer = _malloc(size);
    stringToUTF8(text, pointer, size);
    return pointer;
});
// clang-format on

}  // namespace

namespace level {

RegionalSettings ReadSystemRegionalSettings()
{
    char* separators = level_language_separators();
    const std::string both(separators);
    std::free(separators);
    const std::size_t lineBreak = both.find('\n');
    return MendSeparators({both.substr(0, lineBreak), both.substr(lineBreak + 1)});
}

}  // namespace level
