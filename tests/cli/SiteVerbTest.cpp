// courtlog site: the league's web site from the command line.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CliRun.h"
#include "core/records/Schedule.h"
#include "core/records/Settings.h"

namespace courtlog {
namespace {

using testing::runCli;
namespace fs = std::filesystem;

class SiteVerb : public testing::CommandLineTest {
protected:
    void SetUp() override {
        first = folder.saveGame(testing::gameEnding("Harbor Hawks", 61, "Valley Miners", 58, 3, 2), "first.gam");
        second = folder.saveGame(testing::gameEnding("Valley Miners", 70, "Harbor Hawks", 64, 3, 9), "second.gam");
        testing::writeFile(path("crtlog.ini"), "");
    }
    std::string first, second;
};

TEST_F(SiteVerb, BuildsTheSiteWithTheTitleTheScheduleAndTheSettingsColours) {
    Schedule schedule;
    // Far ahead, so it stays upcoming whenever the test runs.
    schedule.addEntry(testing::scheduled(GameEvent, 5, 1, 2999, 19, 0, "Harbor Hawks", "Valley Miners", "Dome"));
    ASSERT_TRUE(schedule.save(path("season.sch")));
    Settings colours;
    colours.setDefaults();
    colours.htmlColors[0] = 0x0000FF;  // the header background, red
    ASSERT_TRUE(colours.writeSettings(path("colours.ini")));

    const testing::CliRun run = runCli({"site", "--out", path("site"), "--title", "Brenvik <Spring> League",
                                        "--schedule", path("season.sch"), "--settings", path("colours.ini"), first,
                                        second});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string index = testing::readFile(path("site/index.html"));
    EXPECT_NE(index.find("<h1>Brenvik &lt;Spring&gt; League</h1>"), std::string::npos);
    EXPECT_NE(index.find("<caption>Upcoming</caption>"), std::string::npos);
    EXPECT_NE(index.find("<td class=\"t\">Dome</td>"), std::string::npos);
    EXPECT_NE(index.find("<a href=\"team-valley-miners.html\">Valley Miners</a></th><td>2</td><td>1</td><td>1</td>"
                         "<td>.500</td><td>128</td><td>125</td>"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(path("site/game-first.html")));
    EXPECT_TRUE(fs::exists(path("site/team-harbor-hawks.html")));
    EXPECT_NE(testing::readFile(path("site/style.css")).find("--header-background: #FF0000;"), std::string::npos);
}

TEST_F(SiteVerb, ADamagedGameIsNamedAndTheSiteBuiltBeforeStays) {
    ASSERT_EQ(runCli({"site", "--out", path("site"), "--settings", path("crtlog.ini"), first}).status, 0);
    const std::string before = testing::readFile(path("site/index.html"));
    testing::writeFile(path("broken.gam"), "not a game");
    const testing::CliRun run =
        runCli({"site", "--out", path("site"), "--settings", path("crtlog.ini"), first, path("broken.gam"), second});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Can't load game ! " + path("broken.gam")), std::string::npos) << run.err;
    EXPECT_EQ(testing::readFile(path("site/index.html")), before);
    EXPECT_FALSE(fs::exists(path("site/game-second.html")));
}

TEST_F(SiteVerb, WrongUsageAndAMissingScheduleAreRefused) {
    EXPECT_EQ(runCli({"site", first}).status, 2);                          // no --out
    EXPECT_EQ(runCli({"site", "--out", path("site")}).status, 2);          // no game
    EXPECT_EQ(runCli({"site", "--out", path("site"), "--out", path("b"), first}).status, 2);
    EXPECT_EQ(runCli({"site", "--out", path("site"), first, "--title"}).status, 2);
    const testing::CliRun missing =
        runCli({"site", "--out", path("site"), "--schedule", path("none.sch"), first});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Can't load schedule !"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("site")));
}

}  // namespace
}  // namespace courtlog
