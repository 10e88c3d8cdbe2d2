#include <cstdlib>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "core/regional_settings.h"
#include "model/system_regional_settings.h"
#include "test_support.h"

namespace level {
namespace {

// CTest runs this program once per locale in LC_ALL; the separators read
// from the desktop must be that locale's, whether or not the C library has
// the locale generated.
TEST(SystemRegionalSettings, FollowTheUsersLocale)
{
    const std::map<std::string, RegionalSettings> expected = {
        {"ru_RU.UTF-8", kRussianSettings},
        {"de_DE.UTF-8", kCommaSettings},
        {"en_US.UTF-8", kPointSettings},
    };
    const char* locale = std::getenv("LC_ALL");
    ASSERT_NE(locale, nullptr);
    ASSERT_TRUE(expected.contains(locale)) << locale;
    EXPECT_EQ(ReadSystemRegionalSettings(), expected.at(locale)) << locale;
}

}  // namespace
}  // namespace level
