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

// The field the user entered, and the recipe that reads it.
struct Entered {
    const char* name;
    std::string LevelFields::*field;
    Recipe recipe;
};
const Entered kDecibels{"decibels", &LevelFields::decibels, &ConvertFromDecibels};
const Entered kNepers{"nepers", &LevelFields::nepers, &ConvertFromNepers};
const Entered kVolts{"volts", &LevelFields::volts, &ConvertFromVolts};

struct RecipeCase {
    Entered entered;
    const char* text;
    LevelFields after;                // the three fields once the recipe has run
    std::optional<ErrorKind> raised;  // what it raised, if anything
};

void PrintTo(const RecipeCase& c, std::ostream* out)
{
    *out << c.entered.name << " \"" << c.text << '"';
}

class RecipeRun : public ::testing::TestWithParam<RecipeCase> {};

TEST_P(RecipeRun, WritesTheOtherFieldsInOrder)
{
    const RecipeCase& c = GetParam();
    // The window's fields after start, with the entered one replaced.
    LevelFields fields{"0", "0", "0,775"};
    fields.*c.entered.field = c.text;
    const auto raised = RaisedKind([&] { c.entered.recipe(fields, kCommaSettings); });
    EXPECT_EQ(KindName(raised), KindName(c.raised));
    EXPECT_EQ(fields.decibels, c.after.decibels);
    EXPECT_EQ(fields.nepers, c.after.nepers);
    EXPECT_EQ(fields.volts, c.after.volts);
}

// The reference results of the converter, in a comma locale.
INSTANTIATE_TEST_SUITE_P(
    ReferenceResults, RecipeRun,
    ::testing::Values(RecipeCase{kDecibels, "0", {"0", "0", "0,775"}, {}},
                      RecipeCase{kDecibels, "1", {"1", "0,1151", "0,8696"}, {}},
                      RecipeCase{kDecibels, "10", {"10", "1,1513", "2,4508"}, {}},
                      RecipeCase{kDecibels, "20", {"20", "2,3026", "7,75"}, {}},
                      RecipeCase{kDecibels, "-3", {"-3", "-0,3454", "0,5487"}, {}},
                      RecipeCase{kDecibels, "100", {"100", "11,5128", "77500"}, {}},
                      RecipeCase{kNepers, "1", {"8,686", "1", "2,1067"}, {}},
                      RecipeCase{kNepers, "-1", {"-8,686", "-1", "0,2851"}, {}},
                      RecipeCase{kVolts, "0,775", {"0", "0", "0,775"}, {}},
                      RecipeCase{kVolts, "1", {"2,2139", "0,2546", "1"}, {}},
                      RecipeCase{kVolts, "1,55", {"6,0205", "0,6924", "1,55"}, {}},
                      RecipeCase{kVolts, "7,75", {"19,9998", "2,3", "7,75"}, {}}));

constexpr auto kOverflow = ErrorKind::Overflow;
constexpr auto kMismatch = ErrorKind::TypeMismatch;
constexpr auto kInvalidCall = ErrorKind::InvalidProcedureCall;

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, RecipeRun,
    ::testing::Values(RecipeCase{kDecibels, "300", {"300", "34,5383", "775000000000000"}, {}},
                      // The neper field is written before the volt field overflows.
                      RecipeCase{kDecibels, "310", {"310", "35,6896", "0,775"}, kOverflow},
                      RecipeCase{kDecibels, "-400", {"-400", "-46,0511", "0"}, {}},
                      // The entered text stays as typed; the computed ones are canonical.
                      RecipeCase{kDecibels, " 1,00000 ", {" 1,00000 ", "0,1151", "0,8696"}, {}},
                      RecipeCase{kDecibels, "", {"", "0", "0,775"}, kMismatch},
                      RecipeCase{kDecibels, "abc", {"abc", "0", "0,775"}, kMismatch},
                      RecipeCase{kDecibels, "1e400", {"1e400", "0", "0,775"}, kOverflow},
                      RecipeCase{kDecibels, "1e17", {"1e17", "0", "0,775"}, kOverflow},
                      // The volts are computed from the decibels as displayed.
                      RecipeCase{kNepers, "0,5", {"4,343", "0,5", "1,2778"}, {}},
                      // Here the unrounded decibels would give volts 0,919 and nepers
                      // -3,6043: only the displayed values give these.
                      RecipeCase{kNepers, "0,17037", {"1,4798", "0,17037", "0,9189"}, {}},
                      RecipeCase{kVolts, "0,021", {"-31,3413", "-3,6042", "0,021"}, {}},
                      RecipeCase{kNepers, "35", {"304,01", "35", "0,775"}, kOverflow},
                      RecipeCase{kNepers, "1e14", {"868600000000000", "1e14", "0,775"}, kOverflow},
                      RecipeCase{kNepers, "2e14", {"0", "2e14", "0,775"}, kOverflow},
                      RecipeCase{kVolts, "0", {"0", "0", "0"}, kInvalidCall},
                      RecipeCase{kVolts, "-1", {"0", "0", "-1"}, kInvalidCall},
                      RecipeCase{kVolts, "1e-400", {"0", "0", "1e-400"}, kInvalidCall},
                      RecipeCase{kVolts, "1e-20", {"-397,7819", "-45,7449", "1e-20"}, {}},
                      RecipeCase{kVolts, "1,7e308", {"0", "0", "1,7e308"}, kOverflow},
                      RecipeCase{kVolts, "", {"0", "0", ""}, kMismatch}));

// Results a build that rounds twice (an x87 register of 64 bits, then a
// double of 53) gets wrong in the last digit: every product and quotient
// must be rounded once, to double. In the neper rows n × 8,686 is an exact
// decimal tie at the fifth decimal.
INSTANTIATE_TEST_SUITE_P(
    RoundedOnceToDouble, RecipeRun,
    ::testing::Values(
        RecipeCase{kNepers, "-473,425", {"-4112,1695", "-473,425", "0"}, {}},
        RecipeCase{kNepers, "473,425", {"4112,1695", "473,425", "0,775"}, kOverflow},
        RecipeCase{kNepers, "534,075", {"4638,9755", "534,075", "0,775"}, kOverflow},
        RecipeCase{kNepers, "-534,075", {"-4638,9755", "-534,075", "0"}, {}},
        RecipeCase{
            kVolts, "3,4116395824028125E15", {"312,87", "35,98", "3,4116395824028125E15"}, {}},
        RecipeCase{kDecibels, "232,31", {"232,31", "26,7453", "319743483765,4587"}, {}}));

TEST(Recipes, TakeTheUsersDecimalSeparator)
{
    LevelFields fields{"10", "0", "0.775"};
    ConvertFromDecibels(fields, kPointSettings);
    EXPECT_EQ(fields, (LevelFields{"10", "1.1513", "2.4508"}));

    fields = {"0", "0", "1\u00A0000"};
    ConvertFromVolts(fields, kRussianSettings);
    EXPECT_EQ(fields, (LevelFields{"62,2133", "7,1545", "1\u00A0000"}));
}

}  // namespace
}  // namespace level
