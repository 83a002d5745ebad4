// dump, summary and stats against the outputs the tool gave before its JSON
// was streamed (tests/data/golden, made by make-golden.sh there): every case
// must print the same bytes, fail with the same status and say the same on
// standard error.
#include <gtest/gtest.h>

#include "CliRun.h"

#include <cctype>
#include <cstdint>
#include <ctime>
#include <fstream>
#include <ostream>
#include <sstream>
#include <regex>
#include <string>
#include <vector>

namespace courtlog {
namespace {

const std::string kGolden = std::string(COURTLOG_TEST_DATA) + "/golden/";

struct GoldenCase {
    std::string name;
    std::vector<std::string> args;
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string withFolders(const std::string& text) {
    return replaceAll(replaceAll(text, "@DATA@", COURTLOG_TEST_DATA), "@SAMPLES@", COURTLOG_SAMPLES);
}

std::string withPlaceholders(const std::string& text) {
    return replaceAll(replaceAll(text, COURTLOG_TEST_DATA, "@DATA@"), COURTLOG_SAMPLES, "@SAMPLES@");
}

// A roster imported without personal information takes today's date as
// each player's birthday; the reference outputs hold it as @TODAY@.
std::string withTodayPlaceholder(const std::string& text) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::regex today("\"year\": " + std::to_string(local.tm_year + 1900) + ",\\s*\"month\": " +
                           std::to_string(local.tm_mon + 1) + ",\\s*\"day\": " + std::to_string(local.tm_mday) +
                           "(?![0-9])");
    return std::regex_replace(text, today, "@TODAY@");
}

std::vector<GoldenCase> goldenCases() {
    std::vector<GoldenCase> cases;
    std::ifstream in(kGolden + "cases.txt");
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        GoldenCase c;
        std::getline(fields, c.name, '\t');
        for (std::string arg; std::getline(fields, arg, '\t');) c.args.push_back(withFolders(arg));
        cases.push_back(c);
    }
    return cases;
}

std::uint64_t fnv1a(const std::string& bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char b : bytes) hash = (hash ^ b) * 0x100000001b3ull;
    return hash;
}

// "NAME LENGTH HASH" of an output too large to keep, or an empty name.
struct LargeOutput {
    std::string name;
    std::size_t length = 0;
    std::uint64_t hash = 0;
};

LargeOutput largeOutput(const std::string& name) {
    std::ifstream in(kGolden + "large.txt");
    LargeOutput large;
    std::string hash;
    while (in >> large.name >> large.length >> hash) {
        if (large.name == name) {
            large.hash = std::stoull(hash, nullptr, 16);
            return large;
        }
    }
    return {};
}

class GoldenOutput : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenOutput, SameBytesAsBefore) {
    const GoldenCase& c = GetParam();
    const testing::CliRun run = testing::runCli(c.args);
    const std::string err = testing::readFile(kGolden + c.name + ".err");
    const std::string expectedErr = err.empty() ? "status 0\n" : err;
    EXPECT_EQ("status " + std::to_string(run.status) + "\n" + withPlaceholders(run.err), expectedErr);
    if (const LargeOutput large = largeOutput(c.name); !large.name.empty()) {
        EXPECT_EQ(run.out.size(), large.length);
        EXPECT_EQ(fnv1a(run.out), large.hash);
    } else {
        EXPECT_TRUE(withTodayPlaceholder(run.out) == testing::readFile(kGolden + c.name + ".out"))
            << run.out.substr(0, 2000);
    }
}

INSTANTIATE_TEST_SUITE_P(EarlierOutputs, GoldenOutput, ::testing::ValuesIn(goldenCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(GoldenOutput, EveryKindOfFileIsCovered) {
    std::string all;
    for (const GoldenCase& c : goldenCases()) all += c.name + "\n";
    for (const char* kind : {".tem", ".gam", ".pdb", ".ini", ".csv", ".txt", ".json", ".bin"})
        EXPECT_NE(all.find(std::string(kind) + "\n"), std::string::npos) << kind;
    for (const char* verb : {"dump--", "summary--", "stats--"}) EXPECT_NE(all.find(verb), std::string::npos) << verb;
}

}  // namespace
}  // namespace courtlog
