#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "window_driver.h"

namespace level::testing {

// A fresh window for each behaviour, driven as the user would.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { window = MakeWindowDriver(); }
    void TearDown() override { window.reset(); }

    // The user replaces a field's whole text by typing.
    void TypeInto(std::string_view field, std::string_view text) const
    {
        window->FocusAndSelectAll(field);
        window->TypeKeys(text);
    }

    [[nodiscard]] std::vector<std::string> Texts() const
    {
        return {window->Text("Text1"), window->Text("Text2"), window->Text("Text3")};
    }
    [[nodiscard]] std::vector<bool> Enabled() const
    {
        return {window->Enabled("Text1"), window->Enabled("Text2"), window->Enabled("Text3")};
    }
    [[nodiscard]] std::vector<bool> Checked() const
    {
        return {window->Checked("Option1"), window->Checked("Option2"),
                window->Checked("Option3")};
    }
    [[nodiscard]] int Pixels(int twips) const { return window->TwipsToPixels(twips); }

    std::unique_ptr<WindowDriver> window;
};

}  // namespace level::testing
