#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "capturing_report.h"
#include "core/regional_settings.h"
#include "form_controls.h"
#include "model/system_regional_settings.h"
#include "test_support.h"
#include "win32/form1.h"
#include "win32/utf16.h"

namespace level::win32 {
namespace {

// CTest runs this program once per locale in LANG; under Wine the Windows
// user locale follows it where the C library has the locale.
const RegionalSettings& ExpectedSettings()
{
    static const RegionalSettings russian = kRussianSettings;
    static const RegionalSettings us = kPointSettings;
    const std::string locale = std::getenv("LANG") != nullptr ? std::getenv("LANG") : "";
    EXPECT_TRUE(locale == "ru_RU.UTF-8" || locale == "en_US.UTF-8") << "LANG=" << locale;
    return locale == "ru_RU.UTF-8" ? russian : us;
}

// The texts of a comma locale with the user's decimal separator.
std::string InUsersNotation(std::string text)
{
    for (std::size_t at = text.find(','); at != std::string::npos; at = text.find(',', at + 1)) {
        text.replace(at, 1, ExpectedSettings().decimalSeparator);
    }
    return text;
}

TEST(SystemRegionalSettings, FollowTheUsersLocale)
{
    EXPECT_EQ(ReadSystemRegionalSettings(), ExpectedSettings());
}

// The window in the user's own locale: the reference voltage at start, and
// a voltage typed as the user writes numbers.
TEST(WindowInTheUsersLocale, StartsAtTheReferenceVoltageAndComputesFromVolts)
{
    testing::CapturingReport report;
    Form1 form(GetModuleHandleW(nullptr), ReadSystemRegionalSettings(), report);
    form.Show(SW_SHOWNORMAL);
    EXPECT_EQ(Narrow(WindowText(testing::ControlHandle(form, Control::Text3))),
              InUsersNotation("0,775"));
    SendMessageW(testing::ControlHandle(form, Control::Option2), BM_CLICK, 0, 0);
    SetWindowTextW(testing::ControlHandle(form, Control::Text3),
                   Widen(InUsersNotation("1,55")).c_str());
    SendMessageW(testing::ControlHandle(form, Control::Command1), BM_CLICK, 0, 0);
    EXPECT_EQ(Narrow(WindowText(testing::ControlHandle(form, Control::Text1))),
              InUsersNotation("6,0205"));
    EXPECT_EQ(Narrow(WindowText(testing::ControlHandle(form, Control::Text2))),
              InUsersNotation("0,6924"));
    EXPECT_TRUE(report.numbers.empty());
}

}  // namespace
}  // namespace level::win32
