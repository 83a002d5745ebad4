#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/CommandLineTool.h"

namespace courtlog::clitest {

// What one run of the command-line tool printed and returned.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the tool as "courtlog" followed by args, capturing both streams.
inline CliRun runCli(std::vector<std::string> args) {
    args.insert(args.begin(), "courtlog");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status = cli::runCommandLine(static_cast<int>(args.size()), argv.data());
    CliRun r{status, ::testing::internal::GetCapturedStdout(), ::testing::internal::GetCapturedStderr()};
    return r;
}

// A whole file's bytes, or "" when it cannot be read.
inline std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace courtlog::clitest
