// Feeds arbitrary bytes as field texts and separators through the parse and
// format functions and the three recipes. Every call must end in a result or
// a ConversionError, and every text the converter writes must read back to
// the amount it was written from.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "core/conversion_error.h"
#include "core/level_recipes.h"
#include "core/number_syntax.h"
#include "core/numeric_text.h"

namespace {

using level::ConversionError;
using level::Currency;
using level::LevelFields;
using level::RegionalSettings;

// Separators that real locales use.
constexpr std::array<std::string_view, 4> kDecimalSeparators = {",", ".", "\u066B", "'"};
constexpr std::array<std::string_view, 7> kGroupSeparators = {".", ",",      "\u00A0", "\u202F",
                                                              " ", "\u066C", ""};

// The separators come first in the input. A first byte below 128 picks a
// pair of real locales' separators; from 128 on, its low bits give the
// lengths of a decimal and a group symbol of arbitrary bytes that follow, as
// a user may type them. Either way they pass the same rule as the user's
// settings do, and the input is shortened by what they took.
RegionalSettings ChooseSettings(std::string_view& input)
{
    const auto selector = static_cast<std::uint8_t>(input.front());
    input.remove_prefix(1);
    if (selector < 128) {
        const auto decimal = kDecimalSeparators[selector % kDecimalSeparators.size()];
        const auto group =
            kGroupSeparators[(selector / kDecimalSeparators.size()) % kGroupSeparators.size()];
        return level::MendSeparators({std::string(decimal), std::string(group)});
    }
    auto take = [&input](std::size_t length) {
        const std::string_view taken = input.substr(0, length);
        input.remove_prefix(taken.size());
        return std::string(taken);
    };
    std::string decimal = take(selector & 3U);
    std::string group = take((selector >> 2U) & 3U);
    return level::MendSeparators({std::move(decimal), std::move(group)});
}

void Require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// A written text reads back exactly and to the nearest double of its amount.
void RequireReadsBack(const std::string& text, const RegionalSettings& settings)
{
    const Currency amount = level::ParseCurrency(text, settings);
    Require(level::FormatCurrency(amount, settings) == text);
    Require(level::ParseDouble(text, settings) == level::CurrencyToDouble(amount));
}

void CheckParsing(std::string_view text, const RegionalSettings& settings)
{
    try {
        (void)level::ParseDouble(text, settings);
    } catch (const ConversionError&) {
    }
    try {
        const Currency amount = level::ParseCurrency(text, settings);
        RequireReadsBack(level::FormatCurrency(amount, settings), settings);
    } catch (const ConversionError&) {
    }
}

using Recipe = void (*)(LevelFields&, const RegionalSettings&);
using Field = std::string LevelFields::*;

// Runs a recipe with text in its entered field: the entered field stays as
// typed, and every field it wrote reads back.
void CheckRecipe(Recipe recipe, Field entered, const std::string& text,
                 const RegionalSettings& settings)
{
    LevelFields fields{"0", "0", level::FormatCurrency(Currency{7750}, settings)};
    fields.*entered = text;
    const LevelFields before = fields;
    try {
        recipe(fields, settings);
    } catch (const ConversionError&) {
    }
    Require(fields.*entered == text);
    for (const Field field : {&LevelFields::decibels, &LevelFields::nepers, &LevelFields::volts}) {
        if (fields.*field != before.*field) {
            RequireReadsBack(fields.*field, settings);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const RegionalSettings settings = ChooseSettings(input);
    const std::string text(input);
#ifdef LEVEL_FUZZ_CANARY
    // A crash planted on one seed input, so that CI sees the fuzz run fail.
    Require(text != "310");
#endif
    CheckParsing(text, settings);

    CheckRecipe(&level::ConvertFromDecibels, &LevelFields::decibels, text, settings);
    CheckRecipe(&level::ConvertFromNepers, &LevelFields::nepers, text, settings);
    CheckRecipe(&level::ConvertFromVolts, &LevelFields::volts, text, settings);
    return 0;
}
