#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "core/number_syntax.h"
#include "core/numeric_text.h"

namespace level {
namespace {

struct SettingsCase {
    RegionalSettings given;
    RegionalSettings sound;
};

class SoundSettingsOf : public ::testing::TestWithParam<SettingsCase> {};

// Every text written under the sound settings reads back to its amount.
TEST_P(SoundSettingsOf, AreTheseAndReadBackWhatTheyWrite)
{
    const RegionalSettings sound = MendSeparators(GetParam().given);
    EXPECT_EQ(sound, GetParam().sound);
    for (const std::int64_t units : {std::int64_t{15000}, std::int64_t{-7750}, std::int64_t{1},
                                     std::int64_t{123456789012345}, std::int64_t{0}}) {
        const Currency amount{units};
        const std::string text = FormatCurrency(amount, sound);
        EXPECT_EQ(ParseCurrency(text, sound), amount) << text;
        EXPECT_EQ(ParseDouble(text, sound), CurrencyToDouble(amount)) << text;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RealLocalesStayAsTheyAre, SoundSettingsOf, ::testing::Values(
    SettingsCase{{",", "."}, {",", "."}}, SettingsCase{{".", ","}, {".", ","}},
    SettingsCase{{",", "\u00A0"}, {",", "\u00A0"}}, SettingsCase{{",", "\u202F"}, {",", "\u202F"}},
    SettingsCase{{",", " "}, {",", " "}}, SettingsCase{{".", "'"}, {".", "'"}},
    SettingsCase{{".", "\u2019"}, {".", "\u2019"}}, SettingsCase{{"\u066B", "\u066C"}, {"\u066B", "\u066C"}},
    SettingsCase{{",", ""}, {",", ""}}));
// clang-format on

// Symbols a user may type in the Windows settings that would make a written
// text read back as another number.
INSTANTIATE_TEST_SUITE_P(
    TypedSymbolsThatCannotWork, SoundSettingsOf,
    ::testing::Values(SettingsCase{{".", "."}, {".", ""}}, SettingsCase{{",", ","}, {",", ""}},
                      SettingsCase{{"", "."}, {".", ""}}, SettingsCase{{"", " "}, {".", " "}},
                      SettingsCase{{"0", ","}, {".", ","}}, SettingsCase{{"-", ""}, {".", ""}},
                      SettingsCase{{"+", ","}, {".", ","}}, SettingsCase{{"e", "."}, {".", ""}},
                      SettingsCase{{"E", ""}, {".", ""}}, SettingsCase{{" ", ","}, {".", ","}},
                      SettingsCase{{"\u00A0", "."}, {".", ""}},
                      SettingsCase{{"a\t", ","}, {".", ","}}, SettingsCase{{",", "1"}, {",", ""}},
                      SettingsCase{{",", "-"}, {",", ""}}, SettingsCase{{",", "+"}, {",", ""}},
                      SettingsCase{{",", "e"}, {",", ""}}, SettingsCase{{",", ",,"}, {",", ""}},
                      SettingsCase{{",.", "."}, {",.", ""}}));

}  // namespace
}  // namespace level
