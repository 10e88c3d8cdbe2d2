#include <gtest/gtest.h>

#include <string>

#include "model/readable_grey.h"

namespace level {
namespace {

// Neutral greys, 0 to 255: the style's greyed text, its text and the
// background, and the grey the window picks for greyed text.
struct GreyCase {
    const char* scheme;
    double grey;
    double text;
    double background;
    double picked;
};

// Windows' own greyed text on its face reads at 4.55:1 and stays as it is;
// a paler one goes four tenths of the way to black before it reads at
// 4.5:1; a dark scheme's goes toward white; where nothing but the text
// reads, the text.
constexpr GreyCase kGreys[] = {
    {"WindowsGreyOnFace", 0x6d, 0x00, 0xf0, 0x6d},
    {"PaleGreyOnFace", 0xa0, 0x00, 0xf0, 96.0},
    {"DarkScheme", 0x80, 0xff, 0x20, 140.7},
    {"GreyOnItsOwnColour", 0x6d, 0x00, 0x6d, 0x00},
};

class ReadableGreyTest : public ::testing::TestWithParam<GreyCase> {};

TEST_P(ReadableGreyTest, PicksTheGreyNearestTheStylesThatReadsAtFourAndAHalfToOne)
{
    const GreyCase& row = GetParam();
    const auto share = [](double level) { return Colour{level / 255, level / 255, level / 255}; };
    const Colour picked = ReadableGrey(share(row.grey), share(row.text), share(row.background));
    EXPECT_NEAR(picked.red * 255, row.picked, 0.05);
    EXPECT_DOUBLE_EQ(picked.green, picked.red);
    EXPECT_DOUBLE_EQ(picked.blue, picked.red);
}

INSTANTIATE_TEST_SUITE_P(Schemes, ReadableGreyTest, ::testing::ValuesIn(kGreys),
                         [](const ::testing::TestParamInfo<GreyCase>& scheme) {
                             return std::string(scheme.param.scheme);
                         });

}  // namespace
}  // namespace level
