#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "window/window_driver.h"

namespace level::testing {

using Texts3 = std::vector<std::string>;
using Flags3 = std::vector<bool>;

// A fresh window for each behaviour, driven as the user would.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = MakeWindowDriver();
        window->report.look = [this] { return Texts(); };
    }

    // The user replaces a field's whole text by typing.
    void TypeInto(Control field, std::string_view text) const
    {
        window->FocusAndSelectAll(field);
        window->TypeKeys(text);
    }

    [[nodiscard]] std::string Text(Control control) const { return window->See(control).text; }
    [[nodiscard]] Texts3 Texts() const { return {Text(Text1), Text(Text2), Text(Text3)}; }
    [[nodiscard]] Flags3 Enabled() const
    {
        return {window->See(Text1).enabled, window->See(Text2).enabled, window->See(Text3).enabled};
    }
    [[nodiscard]] Flags3 Checked() const
    {
        return {window->See(Option1).checked, window->See(Option2).checked,
                window->See(Option3).checked};
    }
    [[nodiscard]] const std::vector<int>& Reports() const { return window->report.numbers; }
    [[nodiscard]] int Pixels(int twips) const { return window->TwipsToPixels(twips); }

    std::unique_ptr<WindowDriver> window;
};

}  // namespace level::testing
