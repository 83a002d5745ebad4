#pragma once

// Runs the command-line tool in-process the way a shell would, capturing
// what it prints, and gives each command-line test a folder of its own.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordBuilders.h"
#include "cli/CommandLineTool.h"

namespace courtlog::testing {

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

// A test of the tool with a scratch folder for the files it writes and the
// folders of the sample and test files it reads.
class CommandLineTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder.file(name); }

    ScratchFolder folder;
    const std::string samples = COURTLOG_SAMPLES;
    const std::string data = COURTLOG_TEST_DATA;
};

}  // namespace courtlog::testing
