#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/error_report.h"

namespace level::testing {

// Stands in for the message box: records each report's number and
// description, and what the three fields showed when it came.
class CapturingReport final : public ErrorReport {
public:
    void Report(ErrorKind kind, const RegionalSettings& /*settings*/) override
    {
        numbers.push_back(ErrorNumber(kind));
        descriptions.emplace_back(DescribeError(kind));
        shownAtReport = look ? look() : std::vector<std::string>{};
    }

    std::vector<int> numbers;
    std::vector<std::string> descriptions;
    std::function<std::vector<std::string>()> look;
    std::vector<std::string> shownAtReport;
};

}  // namespace level::testing
