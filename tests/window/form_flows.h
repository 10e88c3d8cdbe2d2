#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/control.h"

namespace level::testing {

// One step of a user: a click on a control, or, with a text, typing it
// into a field over the field's whole text.
struct Step {
    Control control;
    const char* typed = nullptr;
};

// A user flow through the window, the same on every toolkit: its steps,
// then the three fields and the error numbers reported, in a comma locale.
// Each handler's rules are the model's, tested there; these are flows that
// no single test of the window walks through.
struct FormFlow {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> texts;
    std::vector<int> errors;
};

// The name GoogleTest gives a flow's test.
struct FlowName {
    template <typename Info>
    std::string operator()(const Info& info) const
    {
        return info.param.name;
    }
};

inline const std::vector<FormFlow>& FormFlows()
{
    using enum Control;
    static const std::vector<FormFlow> flows = {
        {"Nepers", {{Option3}, {Text2, "1"}, {Command1}}, {"8,686", "1", "2,1067"}, {}},
        {"VoltsAtOnce", {{Option2}, {Command1}}, {"0", "0", "0,775"}, {}},
        {"ClearThenCompute", {{Option1}, {Command2}, {Command1}}, {"", "", ""}, {13}},
        {"SwitchKeepsTexts",
         {{Option1}, {Text1, "5"}, {Option3}, {Text2, "-1"}, {Command1}},
         {"-8,686", "-1", "0,2851"},
         {}},
        {"GoesOnAfterAnError",
         {{Option2}, {Text3, "-1"}, {Command1}, {Text3, "7,75"}, {Command1}},
         {"19,9998", "2,3", "7,75"},
         {5}},
    };
    return flows;
}

// Text pasted into the decibel field over its whole text, then a compute:
// the three fields and the error numbers reported, in a comma locale. The
// field may hold less than was pasted (each toolkit limits a field's text),
// but every paste ends in a value or a numbered error, and a failed compute
// changes no other field.
struct PasteCase {
    const char* name;
    std::string pasted;
    std::vector<std::string> otherTexts;  // Text2 and Text3 afterwards
    std::vector<int> errors;
};

inline const std::vector<PasteCase>& PasteCases()
{
    static const std::vector<PasteCase> cases = [] {
        std::string page;
        for (int line = 0; line < 60; ++line) {
            page += "За абсолютный нулевой уровень в проводной связи принята мощность 1 мвт.\r\n";
        }
        return std::vector<PasteCase>{
            {"APageOfText", page, {"0", "0,775"}, {13}},
            {"AMegabyteOfDigits", std::string(1 << 20, '1'), {"0", "0,775"}, {6}},
            {"TheLongestFieldOfDigits", std::string(32767, '9'), {"0", "0,775"}, {6}},
            {"ATrailingLineBreak", "12,5\r\n", {"1,4391", "3,2681"}, {}},
            {"ControlCharacters",
             "1\x01\x02"
             "2",
             {"0", "0,775"},
             {13}},
            {"ARightToLeftMark", "\u200F10", {"0", "0,775"}, {13}},
            {"AByteOrderMark", " \uFEFF10", {"0", "0,775"}, {13}},
        };
    }();
    return cases;
}

}  // namespace level::testing
