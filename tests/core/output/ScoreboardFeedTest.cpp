#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <mutex>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/output/ScoreboardFeed.h"
#include "core/output/ScoreboardFeedWriter.h"
#include "core/records/Codes.h"

using namespace courtlog;
using namespace courtlog::output;
using namespace courtlog::testing;

namespace {

struct PeriodCase {
    const char* what;
    int period;
    bool halves;
    const char* shown;
};

class ScoreboardPeriod : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(ScoreboardPeriod, NamesThePeriodAsAScoreboardDoes) {
    EXPECT_EQ(scoreboardPeriod(GetParam().period, GetParam().halves), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Periods, ScoreboardPeriod,
                         ::testing::Values(PeriodCase{"first quarter", 0, false, "Q1"},
                                           PeriodCase{"fourth quarter", 3, false, "Q4"},
                                           PeriodCase{"first half", 0, true, "H1"},
                                           PeriodCase{"second half", 2, true, "H2"},
                                           PeriodCase{"second half on its second slot", 3, true, "H2"},
                                           PeriodCase{"first overtime", 4, false, "OT1"},
                                           PeriodCase{"overtime after halves", 5, true, "OT2"},
                                           PeriodCase{"damaged negative period", -3, false, "Q1"}),
                         NameFromWhat{});

struct PlayTextCase {
    const char* what;
    PlayEvent event;
    bool home;
    const char* text;
};

class ScoreboardPlayText : public ::testing::TestWithParam<PlayTextCase> {};

TEST_P(ScoreboardPlayText, NamesTeamPlayerAndPlay) {
    EXPECT_EQ(scoreboardPlayText(GetParam().event, GetParam().home), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Plays, ScoreboardPlayText,
    ::testing::Values(PlayTextCase{"home three made", play("Alpha", Shot, ThreePointMade, 0, 23), true,
                                   "Home #23 Alpha: Three Point Made"},
                      PlayTextCase{"visitor foul", play("Bravo", Foul, DefensiveFoul, 1, 5), false,
                                   "Visitor #5 Bravo: Defensive Foul"},
                      PlayTextCase{"assist has no detail", play("Alpha", Assist, 0, 0, 23), true,
                                   "Home #23 Alpha: Assist"},
                      PlayTextCase{"uniform 00", play("Zed", Steal, 0, 0, -1), true, "Home #00 Zed: Steal"},
                      PlayTextCase{"time out names the team only", timeOut(2), false, "Visitor: Time Out"},
                      PlayTextCase{"accented name in UTF-8", play("Jos\xE9", Shot, FreeThrowMade, 0, 7), true,
                                   "Home #7 Jos\xC3\xA9: Free Throw Made"}),
    NameFromWhat{});

Game scoredGame() {
    Game g = game("Harbor <Hawks>", "Owls & Co", {play("Alpha", Shot, ThreePointMade), play("Alpha", Shot, TwoPointMade)},
                  {play("Bravo", Shot, TwoPointMade)});
    g.currentPeriod = 2;
    return g;
}

TEST(ScoreboardFeed, LineShowsNamesAsStoredScoresAndPeriod) {
    EXPECT_EQ(scoreboardLine(scoredGame()), "Harbor <Hawks> 5 - 2 Owls & Co  Q3");
}

TEST(ScoreboardFeed, JsonIsTheConsoleSummaryWithUpdatedAndLastPlay) {
    const auto feed = scoreboardJson(scoredGame(), LeagueOptions{}, "2026-12-07T18:20:05+01:00", "Home #4 A: Shot");
    EXPECT_EQ(feed["home"]["score"], 5);
    EXPECT_EQ(feed["visitor"]["name"], "Owls & Co");
    EXPECT_EQ(feed["currentPeriod"], 2);
    EXPECT_EQ(feed["updated"], "2026-12-07T18:20:05+01:00");
    EXPECT_EQ(feed["lastPlay"], "Home #4 A: Shot");
}

TEST(ScoreboardFeed, HtmlPageIsEscapedTransparentAndReloadsItself) {
    Game g = scoredGame();
    for (int i = 0; i < 5; ++i) g.addVisitorEvent(play("Bravo", Foul, DefensiveFoul, 2));
    const std::string html = scoreboardHtml(g, LeagueOptions{});
    EXPECT_NE(html.find("Harbor &lt;Hawks&gt;"), std::string::npos);
    EXPECT_NE(html.find("Owls &amp; Co"), std::string::npos);
    EXPECT_EQ(html.find("<Hawks>"), std::string::npos);
    EXPECT_NE(html.find("content=\"1\""), std::string::npos);
    EXPECT_NE(html.find("background: transparent"), std::string::npos);
    // The bonus shows with the team that shoots it.
    EXPECT_NE(html.find("Fouls 0 <span class=\"bonus\">BONUS</span>"), std::string::npos);
    EXPECT_NE(html.find("Fouls 5</div>"), std::string::npos);
    EXPECT_NE(html.find("<div class=\"period\">Q3</div>"), std::string::npos);
    // Time outs in words, not "4 + 2".
    EXPECT_NE(html.find("Time outs left: 4 full, 2 short</div>"), std::string::npos);
}

TEST(ScoreboardFeed, IsoLocalTimeCarriesTheOffset) {
    const std::string stamp = isoLocalTime(0);
    ASSERT_EQ(stamp.size(), 25u) << stamp;
    EXPECT_EQ(stamp[10], 'T');
    EXPECT_EQ(stamp[22], ':');
}

TEST(ScoreboardFeed, FolderIsTheChosenOneElseTheGameFilesFolder) {
    EXPECT_EQ(scoreboardFolder("/feeds", "/games/final.gam"), "/feeds");
    EXPECT_EQ(scoreboardFolder("", "/games/final.gam"), "/games");
    EXPECT_EQ(scoreboardFolder("", "final.gam"), ".");
}

// What a writer reported, heard on its own thread.
struct WriteReports {
    std::mutex mutex;
    std::vector<std::pair<bool, std::string>> reports;
    ScoreboardFeedWriter::Reported hook() {
        return [this](bool written, const std::string& error) {
            const std::lock_guard lock(mutex);
            reports.emplace_back(written, error);
        };
    }
};

// The writer follows the last play across both teams, undo included, and
// writes the three files each time while the feed is on.
TEST(ScoreboardFeedWriter, FollowsTheLastPlayThroughRecordingAndUndo) {
    ScratchFolder folder;
    Game g = game("Hawks", "Owls");
    Settings settings;
    settings.scoreboardFeedOn = true;
    settings.scoreboardFeedFolder = folder.path();
    WriteReports heard;
    ScoreboardFeedWriter writer(g, heard.hook());

    writer.gameChanged(g, settings.league, settings, 0);
    writer.waitUntilIdle();
    EXPECT_EQ(nlohmann::json::parse(readFile(folder.file("scoreboard.json")))["lastPlay"], "");

    g.addHomeEvent(play("Alpha", Shot, ThreePointMade, 0, 23));
    writer.gameChanged(g, settings.league, settings, 0);
    g.addVisitorEvent(timeOut());
    writer.gameChanged(g, settings.league, settings, 0);
    EXPECT_EQ(writer.lastPlay(), "Visitor: Time Out");

    g.removeLastEvent(false);  // undo
    writer.gameChanged(g, settings.league, settings, 0);
    writer.waitUntilIdle();
    // Changes that came while one was written were folded into the newest;
    // every write that ran went well.
    ASSERT_GE(heard.reports.size(), 2u);
    EXPECT_LE(heard.reports.size(), 4u);
    for (const auto& [written, error] : heard.reports) EXPECT_TRUE(written) << error;
    EXPECT_EQ(nlohmann::json::parse(readFile(folder.file("scoreboard.json")))["lastPlay"],
              "Home #23 Alpha: Three Point Made");
    EXPECT_EQ(readFile(folder.file("scoreboard.txt")), "Hawks 3 - 0 Owls  Q1\n");
    EXPECT_NE(readFile(folder.file("scoreboard.html")).find("<div class=\"score\">3</div>"), std::string::npos);
    EXPECT_NE(readFile(folder.file("scoreboard-screen.html")).find("<div class=\"score\">3</div>"),
              std::string::npos);
}

TEST(ScoreboardFeedWriter, OffWritesNothingAndAFailedWriteSaysWhy) {
    ScratchFolder folder;
    Game g = game("Hawks", "Owls");
    Settings settings;
    settings.scoreboardFeedFolder = folder.path();
    WriteReports heard;
    ScoreboardFeedWriter writer(g, heard.hook());
    writer.gameChanged(g, settings.league, settings, 0);
    writer.waitUntilIdle();
    EXPECT_TRUE(folder.names().empty());
    EXPECT_TRUE(heard.reports.empty());

    settings.scoreboardFeedOn = true;
    settings.scoreboardFeedFolder = folder.file("missing/deeper");
    writer.gameChanged(g, settings.league, settings, 0);
    writer.waitUntilIdle();
    ASSERT_EQ(heard.reports.size(), 1u);
    EXPECT_FALSE(heard.reports[0].first);
    EXPECT_NE(heard.reports[0].second.find("Can't write " + folder.file("missing/deeper") + "/scoreboard.json"),
              std::string::npos)
        << heard.reports[0].second;
}

}  // namespace
