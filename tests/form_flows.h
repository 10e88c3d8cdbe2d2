#pragma once

#include <string>
#include <vector>

namespace level::testing {

// A user flow through the window, the same on every toolkit: click these
// controls, type into a field (or not), press "вычислить"; then the three
// fields and the error numbers reported, in a comma locale.
struct FormFlow {
    const char* name;
    std::vector<const char*> clicks;
    const char* field;  // where to type, or nullptr
    const char* typed;
    std::vector<std::string> texts;
    std::vector<int> errors;
};

inline const std::vector<FormFlow>& FormFlows()
{
    static const std::vector<FormFlow> flows = {
        {"Decibels", {"Option1"}, "Text1", "10", {"10", "1,1513", "2,4508"}, {}},
        {"Nepers", {"Option3"}, "Text2", "1", {"8,686", "1", "2,1067"}, {}},
        {"VoltsAtOnce", {"Option2"}, nullptr, nullptr, {"0", "0", "0,775"}, {}},
        {"ZeroVolts", {"Option2"}, "Text3", "0", {"0", "0", "0"}, {5}},
        {"DecibelOverflow", {"Option1"}, "Text1", "310", {"310", "35,6896", "0,775"}, {6}},
        {"Letters", {"Option1"}, "Text1", "abc", {"abc", "0", "0,775"}, {13}},
        {"ClearThenCompute", {"Option1", "Command2"}, nullptr, nullptr, {"", "", ""}, {13}},
        {"SwitchKeepsTexts", {"Option1", "Option3"}, "Text2", "-1", {"-8,686", "-1", "0,2851"}, {}},
        {"LongResult", {"Option1"}, "Text1", "300", {"300", "34,5383", "775000000000000"}, {}},
    };
    return flows;
}

}  // namespace level::testing
