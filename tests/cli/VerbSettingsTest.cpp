#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "CliRun.h"
#include "core/output/HtmlStyle.h"
#include "core/records/Schedule.h"
#include "core/records/Settings.h"

namespace courtlog {
namespace {

namespace fs = std::filesystem;
using testing::runCli;

// Every verb that writes a page takes its style from the same settings the
// window program uses: the user's, unless the current folder has its own,
// unless one is named with --settings. Each setting here colours the page
// headers differently, so the page tells which one was read.
constexpr std::uint32_t kUsersColour = 0x00112233u;
constexpr std::uint32_t kFoldersColour = 0x00445566u;
constexpr std::uint32_t kNamedColour = 0x00778899u;

void writeSettingsColoured(const std::string& path, std::uint32_t colour) {
    fs::create_directories(fs::path(path).parent_path());
    Settings settings;
    settings.htmlColors[Settings::HeaderColor] = colour;
    ASSERT_TRUE(settings.writeSettings(path));
}

struct VerbCase {
    const char* what;
    // The verb's words, in the folder holding its input, writing page.htm.
    std::vector<std::string> words;
};

class VerbsReadTheProgramsSettings : public ::testing::TestWithParam<VerbCase> {
protected:
    void SetUp() override {
        Team hawks = testing::team("Harbor Hawks", 6);
        ASSERT_TRUE(hawks.saveTo(folder.file("hawks.tem")));
        folder.saveGame(testing::game("Harbor Hawks", "Valley Miners"), "final.gam");
        Schedule season;
        ASSERT_TRUE(season.save(folder.file("season.sch")));
        before = fs::current_path();
        fs::current_path(folder.path());
    }
    void TearDown() override { fs::current_path(before); }

    // The header colour of the page the verb wrote.
    bool pageColouredWith(const std::vector<std::string>& extra, std::uint32_t colour) {
        std::vector<std::string> args = GetParam().words;
        args.insert(args.end(), extra.begin(), extra.end());
        const testing::CliRun run = runCli(args);
        EXPECT_EQ(run.status, 0) << run.err;
        return testing::readFile(folder.file("page.htm")).find(output::colorText(colour)) !=
               std::string::npos;
    }

    testing::ScratchFolder folder;
    fs::path before;
};

TEST_P(VerbsReadTheProgramsSettings, TheUsersThenTheFoldersThenTheNamedOne) {
    writeSettingsColoured(testing::scratchSettingsFolder() + "/crtlog.ini", kUsersColour);
    EXPECT_TRUE(pageColouredWith({}, kUsersColour));

    writeSettingsColoured(folder.file("crtlog.ini"), kFoldersColour);
    EXPECT_TRUE(pageColouredWith({}, kFoldersColour));

    writeSettingsColoured(folder.file("named.ini"), kNamedColour);
    EXPECT_TRUE(pageColouredWith({"--settings", folder.file("named.ini")}, kNamedColour));
}

INSTANTIATE_TEST_SUITE_P(
    PageVerbs, VerbsReadTheProgramsSettings,
    ::testing::Values(VerbCase{"boxscore", {"boxscore", "final.gam", "--html", "page.htm"}},
                      VerbCase{"schedule", {"schedule", "season.sch", "--html", "page.htm"}},
                      VerbCase{"stats",
                               {"stats", "--team", "Harbor Hawks", "final.gam", "--html", "page.htm"}}),
    testing::NameFromWhat{});

}  // namespace
}  // namespace courtlog
