#pragma once

// Small file helpers shared by the record tests.

#include <gtest/gtest.h>

#include "RecordBuilders.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace courtlog::testing {

inline std::string recordData(const std::string& name) {
    return std::string(COURTLOG_TEST_DATA) + "/records/" + name;
}

inline std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

}  // namespace courtlog::testing
