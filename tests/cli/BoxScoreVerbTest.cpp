#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../core/output/BoxScoreTestGame.h"
#include "CliRun.h"
#include "RecordBuilders.h"
#include "core/records/Settings.h"

namespace courtlog {
namespace {

using namespace courtlog::testing;

CliRun boxScore(std::vector<std::string> args) {
    args.insert(args.begin(), "boxscore");
    return runCli(std::move(args));
}

TEST(BoxScoreVerb, PrintsTheBoxScoreOfASavedGameLineByLine) {
    ScratchFolder folder;
    const std::string path = folder.saveGame(boxScoreTestGame(), "final.gam");
    const CliRun run = boxScore({path});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, boxScoreTestText());
    EXPECT_EQ(run.err, "");
}

TEST(BoxScoreVerb, PrintsAccentedNamesInUtf8) {
    ScratchFolder folder;
    const std::string path = folder.saveGame(game(team("Sm\xF8rum", 5), team("Owls", 5)), "accented.gam");
    const CliRun run = boxScore({path});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Home Game Stats for Sm\xC3\xB8rum [vs Owls]"), std::string::npos) << run.out;
}

TEST(BoxScoreVerb, AGameThatDoesNotLoadSaysSoAndPrintsNothing) {
    ScratchFolder folder;
    writeFile(folder.file("cut.gam"), "too short for a game");
    for (const char* name : {"cut.gam", "missing.gam"}) {
        const CliRun run = boxScore({folder.file(name)});
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_EQ(run.err.rfind("Can't load game ! " + folder.file(name), 0), 0u) << run.err;
        EXPECT_EQ(run.out, "") << name;
    }
}

// The golden page up to its foot, which carries the time of writing.
std::string beforeFoot(const std::string& page) { return page.substr(0, page.rfind("\n</TABLE>\n<p><font")); }

// Settings holding the golden page's style.
void writeStyleSettings(const std::string& path) {
    Settings settings;
    settings.setDefaults();
    boxScoreTestStyle().storeIn(settings);
    ASSERT_TRUE(settings.writeSettings(path));
}

TEST(BoxScoreVerb, WritesTheHtmlPageInTheStyleOfTheSettingsReplacingAnOldPage) {
    ScratchFolder folder;
    const std::string game = folder.saveGame(boxScoreTestGame(), "final.gam");
    writeStyleSettings(folder.file("style.ini"));
    const std::string out = folder.file("box.htm");
    writeFile(out, "an older page");
    const CliRun run = boxScore({game, "--html", out, "--settings", folder.file("style.ini")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string page = readFile(out);
    EXPECT_EQ(beforeFoot(page), beforeFoot(boxScoreTestPage()));
    EXPECT_EQ(page.substr(page.size() - 14), "</BODY></HTML>");
}

TEST(BoxScoreVerb, TakesTheStyleFromTheSettingsFileOfTheCurrentFolder) {
    ScratchFolder folder;
    const std::string game = folder.saveGame(boxScoreTestGame(), "final.gam");
    writeStyleSettings(folder.file("crtlog.ini"));
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    const CliRun run = boxScore({"final.gam", "--html", "box.htm"});
    std::filesystem::current_path(before);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(beforeFoot(readFile(folder.file("box.htm"))), beforeFoot(boxScoreTestPage()));
}

TEST(BoxScoreVerb, AGameThatDoesNotLoadWritesNoPage) {
    ScratchFolder folder;
    writeFile(folder.file("cut.gam"), "too short for a game");
    const CliRun run = boxScore({folder.file("cut.gam"), "--html", folder.file("box.htm")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Can't load game !", 0), 0u) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("box.htm")));
}

TEST(BoxScoreVerb, WrongArgumentsGetTheUsage) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"a.gam", "b.gam"},
                                                 {"a.gam", "--settings"},
                                                 {"a.gam", "--bogus"},
                                                 {"a.gam", "--html"},
                                                 {"a.gam", "--html", "a.htm", "--html", "b.htm"}}) {
        const CliRun run = boxScore(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("Usage: courtlog boxscore GAME"), std::string::npos);
    }
}

}  // namespace
}  // namespace courtlog
