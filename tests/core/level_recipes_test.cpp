#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "core/level_recipes.h"
#include "test_support.h"

namespace level {
namespace {

using testing::KindName;
using testing::RaisedKind;

using Recipe = void (*)(LevelFields&, const RegionalSettings&);

enum class Entered { Decibels, Nepers, Volts };

Recipe RecipeFor(Entered entered)
{
    switch (entered) {
        case Entered::Decibels:
            return &ConvertFromDecibels;
        case Entered::Nepers:
            return &ConvertFromNepers;
        case Entered::Volts:
            return &ConvertFromVolts;
    }
    return nullptr;
}

// The window's fields after start, with the entered one replaced.
LevelFields StartingFields(Entered entered, const std::string& text)
{
    LevelFields fields{"0", "0", "0,775"};
    switch (entered) {
        case Entered::Decibels:
            fields.decibels = text;
            break;
        case Entered::Nepers:
            fields.nepers = text;
            break;
        case Entered::Volts:
            fields.volts = text;
            break;
    }
    return fields;
}

struct RecipeCase {
    Entered entered;
    const char* text;
    LevelFields after;                // the three fields once the recipe has run
    std::optional<ErrorKind> raised;  // what it raised, if anything
};

void PrintTo(const RecipeCase& c, std::ostream* out)
{
    *out << static_cast<int>(c.entered) << " \"" << c.text << '"';
}

class RecipeRun : public ::testing::TestWithParam<RecipeCase> {};

TEST_P(RecipeRun, WritesTheOtherFieldsInOrder)
{
    const RecipeCase& c = GetParam();
    LevelFields fields = StartingFields(c.entered, c.text);
    const auto raised =
        RaisedKind([&] { RecipeFor(c.entered)(fields, RegionalSettings::Comma()); });
    EXPECT_EQ(KindName(raised), KindName(c.raised));
    EXPECT_EQ(fields.decibels, c.after.decibels);
    EXPECT_EQ(fields.nepers, c.after.nepers);
    EXPECT_EQ(fields.volts, c.after.volts);
}

// The reference results of the converter, in a comma locale.
INSTANTIATE_TEST_SUITE_P(
    ReferenceResults, RecipeRun,
    ::testing::Values(RecipeCase{Entered::Decibels, "0", {"0", "0", "0,775"}, {}},
                      RecipeCase{Entered::Decibels, "1", {"1", "0,1151", "0,8696"}, {}},
                      RecipeCase{Entered::Decibels, "10", {"10", "1,1513", "2,4508"}, {}},
                      RecipeCase{Entered::Decibels, "20", {"20", "2,3026", "7,75"}, {}},
                      RecipeCase{Entered::Decibels, "-3", {"-3", "-0,3454", "0,5487"}, {}},
                      RecipeCase{Entered::Decibels, "100", {"100", "11,5128", "77500"}, {}},
                      RecipeCase{Entered::Nepers, "1", {"8,686", "1", "2,1067"}, {}},
                      RecipeCase{Entered::Nepers, "-1", {"-8,686", "-1", "0,2851"}, {}},
                      RecipeCase{Entered::Volts, "0,775", {"0", "0", "0,775"}, {}},
                      RecipeCase{Entered::Volts, "1", {"2,2139", "0,2546", "1"}, {}},
                      RecipeCase{Entered::Volts, "1,55", {"6,0205", "0,6924", "1,55"}, {}},
                      RecipeCase{Entered::Volts, "7,75", {"19,9998", "2,3", "7,75"}, {}}));

constexpr auto kOverflow = ErrorKind::Overflow;
constexpr auto kMismatch = ErrorKind::TypeMismatch;
constexpr auto kInvalidCall = ErrorKind::InvalidProcedureCall;

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, RecipeRun,
    ::testing::Values(
        RecipeCase{Entered::Decibels, "300", {"300", "34,5383", "775000000000000"}, {}},
        // The neper field is written before the volt field overflows.
        RecipeCase{Entered::Decibels, "310", {"310", "35,6896", "0,775"}, kOverflow},
        RecipeCase{Entered::Decibels, "-400", {"-400", "-46,0511", "0"}, {}},
        // The entered text stays as typed; the computed ones are canonical.
        RecipeCase{Entered::Decibels, " 1,00000 ", {" 1,00000 ", "0,1151", "0,8696"}, {}},
        RecipeCase{Entered::Decibels, "", {"", "0", "0,775"}, kMismatch},
        RecipeCase{Entered::Decibels, "abc", {"abc", "0", "0,775"}, kMismatch},
        RecipeCase{Entered::Decibels, "1e400", {"1e400", "0", "0,775"}, kOverflow},
        RecipeCase{Entered::Decibels, "1e17", {"1e17", "0", "0,775"}, kOverflow},
        // The volts are computed from the decibels as displayed.
        RecipeCase{Entered::Nepers, "0,5", {"4,343", "0,5", "1,2778"}, {}},
        // Here the unrounded decibels would give volts 0,919 and nepers
        // -3,6043: only the displayed values give these.
        RecipeCase{Entered::Nepers, "0,17037", {"1,4798", "0,17037", "0,9189"}, {}},
        RecipeCase{Entered::Volts, "0,021", {"-31,3413", "-3,6042", "0,021"}, {}},
        RecipeCase{Entered::Nepers, "35", {"304,01", "35", "0,775"}, kOverflow},
        RecipeCase{Entered::Nepers, "1e14", {"868600000000000", "1e14", "0,775"}, kOverflow},
        RecipeCase{Entered::Nepers, "2e14", {"0", "2e14", "0,775"}, kOverflow},
        RecipeCase{Entered::Volts, "0", {"0", "0", "0"}, kInvalidCall},
        RecipeCase{Entered::Volts, "-1", {"0", "0", "-1"}, kInvalidCall},
        RecipeCase{Entered::Volts, "1e-400", {"0", "0", "1e-400"}, kInvalidCall},
        RecipeCase{Entered::Volts, "1e-20", {"-397,7819", "-45,7449", "1e-20"}, {}},
        RecipeCase{Entered::Volts, "1,7e308", {"0", "0", "1,7e308"}, kOverflow},
        RecipeCase{Entered::Volts, "", {"0", "0", ""}, kMismatch}));

// Results a build that rounds twice (an x87 register of 64 bits, then a
// double of 53) gets wrong in the last digit: every product and quotient
// must be rounded once, to double. In the neper rows n × 8,686 is an exact
// decimal tie at the fifth decimal.
INSTANTIATE_TEST_SUITE_P(
    RoundedOnceToDouble, RecipeRun,
    ::testing::Values(
        RecipeCase{Entered::Nepers, "-473,425", {"-4112,1695", "-473,425", "0"}, {}},
        RecipeCase{Entered::Nepers, "473,425", {"4112,1695", "473,425", "0,775"}, kOverflow},
        RecipeCase{Entered::Nepers, "534,075", {"4638,9755", "534,075", "0,775"}, kOverflow},
        RecipeCase{Entered::Nepers, "-534,075", {"-4638,9755", "-534,075", "0"}, {}},
        RecipeCase{Entered::Volts,
                   "3,4116395824028125E15",
                   {"312,87", "35,98", "3,4116395824028125E15"},
                   {}},
        RecipeCase{Entered::Decibels, "232,31", {"232,31", "26,7453", "319743483765,4587"}, {}}));

TEST(Recipes, TakeTheUsersDecimalSeparator)
{
    LevelFields fields{"10", "0", "0.775"};
    ConvertFromDecibels(fields, RegionalSettings::Point());
    EXPECT_EQ(fields, (LevelFields{"10", "1.1513", "2.4508"}));

    fields = {"0", "0", "1\u00A0000"};
    ConvertFromVolts(fields, RegionalSettings::Russian());
    EXPECT_EQ(fields, (LevelFields{"62,2133", "7,1545", "1\u00A0000"}));
}

}  // namespace
}  // namespace level
