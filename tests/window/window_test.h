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
    // What each field, or each option, shows, in the window's order of them.
    template <typename Value>
    [[nodiscard]] std::vector<Value> Each(ControlKind kind, Value Seen::*shown) const
    {
        std::vector<Value> values;
        for (const ControlRow& row : kForm1Controls) {
            if (row.kind == kind) {
                values.push_back(window->See(row.control).*shown);
            }
        }
        return values;
    }
    [[nodiscard]] Texts3 Texts() const { return Each(ControlKind::Field, &Seen::text); }
    [[nodiscard]] Flags3 Enabled() const { return Each(ControlKind::Field, &Seen::enabled); }
    [[nodiscard]] Flags3 Checked() const { return Each(ControlKind::Option, &Seen::checked); }
    [[nodiscard]] const std::vector<int>& Reports() const { return window->report.numbers; }
    [[nodiscard]] int Pixels(int twips) const { return window->TwipsToPixels(twips); }

    std::unique_ptr<WindowDriver> window;
};

}  // namespace level::testing
