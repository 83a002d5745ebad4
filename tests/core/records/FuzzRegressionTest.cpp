#include "core/records/FuzzEntryPoints.h"
#include "core/handheld/PalmFuzzEntryPoint.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

using namespace courtlog::fuzz;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Replays every file under root/<target>/ through the target's entry point;
// returns how many files each target saw.
std::map<std::string, int> replayFolder(const fs::path& root) {
    std::map<std::string, int> seen;
    if (!fs::is_directory(root)) return seen;
    for (const auto& folder : fs::directory_iterator(root)) {
        if (!folder.is_directory()) continue;
        const std::string name = folder.path().filename().string();
        const FuzzTarget* target = findFuzzTarget(name);
        if (!target && name == palmDatabaseFuzzTarget().name) target = &palmDatabaseFuzzTarget();
        EXPECT_NE(target, nullptr) << "no fuzz target named " << name << " for " << folder.path();
        if (!target) continue;
        // The game reader's inputs are long games, longer than the round
        // trip's fuzzer ever makes: here they go through the round trip too.
        const bool alsoRoundTrip = name == "game_fuzzer";
        for (const auto& file : fs::recursive_directory_iterator(folder.path())) {
            if (!file.is_regular_file()) continue;
            const auto data = bytesOf(file.path());
            EXPECT_EQ(target->check(data), "") << file.path();
            if (alsoRoundTrip) {
                EXPECT_EQ(checkGameFileRoundTrip(data), "") << file.path() << " (round trip)";
            }
            ++seen[name];
        }
    }
    return seen;
}

}  // namespace

TEST(FuzzRegression, EverySeedPassesItsReaderChecks) {
    const auto seen = replayFolder(fs::path(COURTLOG_TEST_DATA) / "fuzz");
    // Every target has seeds of its own, so a lost folder does not go unnoticed.
    for (const FuzzTarget& t : fuzzTargets()) {
        auto it = seen.find(t.name);
        EXPECT_TRUE(it != seen.end() && it->second > 0) << "no seeds for " << t.name;
    }
}

TEST(FuzzRegression, EverySavedFindingNowPasses) {
    const fs::path root = fs::path(COURTLOG_TEST_DATA) / "fuzz-regressions";
    ASSERT_TRUE(fs::is_directory(root)) << root << " is missing";
    int replayed = 0;
    for (const auto& [target, count] : replayFolder(root)) replayed += count;
    // Findings are never deleted, so a replay of nothing means the folder
    // went astray, not that all is well.
    EXPECT_GT(replayed, 0) << "no saved finding replayed from " << root;
}

TEST(FuzzRegression, SampleTeamsPassTheTeamAndImportChecks) {
    int teams = 0;
    for (const auto& file : fs::directory_iterator(fs::path(COURTLOG_SAMPLES))) {
        const auto ext = file.path().extension().string();
        if (ext == ".tem") {
            EXPECT_EQ(checkTeamFile(bytesOf(file.path())), "") << file.path();
            ++teams;
        } else if (ext == ".csv") {
            EXPECT_EQ(checkCommaDelimitedImport(bytesOf(file.path())), "") << file.path();
        }
    }
    EXPECT_GE(teams, 2);
}

TEST(FuzzRegression, ChecksHoldOnDegenerateInputs) {
    const std::vector<std::vector<std::uint8_t>> inputs{
        {},
        std::vector<std::uint8_t>(1, 0),
        std::vector<std::uint8_t>(266, 0),
        std::vector<std::uint8_t>(733, 0xFF),
        std::vector<std::uint8_t>(2000, '\n'),
        std::vector<std::uint8_t>(2000, ','),
    };
    for (const FuzzTarget& t : fuzzTargets())
        for (const auto& input : inputs) EXPECT_EQ(t.check(input), "") << t.name << ", " << input.size() << " bytes";
}
