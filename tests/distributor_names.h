#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace level::testing {

// A distributor's name (LEVEL_MAKER_NOTICE, ...) exactly as the build was
// given it, read from the file the configuration wrote it to.
inline std::string DistributorName(const std::string& name)
{
    std::ifstream file(LEVEL_DISTRIBUTOR_DIR "/" + name + ".txt", std::ios::binary);
    EXPECT_TRUE(file.is_open()) << name;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace level::testing
