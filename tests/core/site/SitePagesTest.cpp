// The pages of a site: what each shows, its markup, its escaping.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordBuilders.h"
#include "core/output/BoxScore.h"
#include "core/output/HtmlStyle.h"
#include "core/site/GamePage.h"
#include "core/site/IndexPage.h"
#include "core/site/Season.h"
#include "core/site/SitePage.h"
#include "core/site/Standings.h"
#include "core/site/TeamPage.h"

namespace courtlog::site {
namespace {

using testing::gameEnding;

const SiteFrame kFrame{"Brenvik League 2024", {2024, 3, 20, 18, 5, 0}};

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(SitePage, EveryPageIsHtml5InUtf8ForPhonesWithTheSharedStylesheet) {
    const std::string page = pageStart(kFrame, "Hawks") + pageEnd(kFrame, true);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"en\">", 0), 0u);
    EXPECT_TRUE(contains(page, "<meta charset=\"utf-8\">"));
    EXPECT_TRUE(contains(page, "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"));
    EXPECT_TRUE(contains(page, "<link rel=\"stylesheet\" href=\"style.css\">"));
    EXPECT_TRUE(contains(page, "<title>Hawks - Brenvik League 2024</title>"));
    EXPECT_TRUE(contains(page, "<a href=\"index.html\">Brenvik League 2024</a>"));
    EXPECT_TRUE(contains(page, "Made with Basketball Courtlog on 3/20/2024 at 18:05."));
    EXPECT_FALSE(contains(page, "<script"));
    EXPECT_TRUE(contains(pageEnd(kFrame), "<footer><p>Made with Basketball Courtlog.</p></footer>"));
}

TEST(SitePage, TablesHaveACaptionColumnHeadersRowHeadersAndATotalsFoot) {
    const std::vector<SiteColumn> columns{{"Player", "", false}, {"Team", "", false}, {"PTS", "Total points", true}};
    std::string page;
    SiteTable table(page, "Players", columns);
    table.cell("Ann").cell("Hawks").cell(12).endRow();
    table.cell("Bea").cell("Owls").cell(7).endRow();
    table.startFoot().cell("TEAM TOTALS").cell("").cell(19).endRow();
    table.end();
    EXPECT_EQ(page,
              "<div class=\"scroll\"><table>\n<caption>Players</caption>\n"
              "<thead><tr><th scope=\"col\">Player</th><th scope=\"col\">Team</th>"
              "<th scope=\"col\" class=\"n\" title=\"Total points\">PTS</th></tr></thead>\n<tbody>\n"
              "<tr><th scope=\"row\">Ann</th><td class=\"t\">Hawks</td><td>12</td></tr>\n"
              "<tr><th scope=\"row\">Bea</th><td class=\"t\">Owls</td><td>7</td></tr>\n"
              "</tbody>\n<tfoot>\n<tr><th scope=\"row\">TEAM TOTALS</th><td class=\"t\"></td><td>19</td></tr>\n"
              "</tfoot>\n</table></div>\n");
}

TEST(SitePage, RecordNamesAreConvertedToUtf8AndEscaped) {
    EXPECT_EQ(recordHtml("Sm\xF8rvik <A&B> \"Lynx\""), "Sm\xC3\xB8rvik &lt;A&amp;B&gt; &quot;Lynx&quot;");
    // A typed title is UTF-8 already; bytes that are not are record text.
    EXPECT_EQ(textHtml("Sm\xC3\xB8rvik & Co"), "Sm\xC3\xB8rvik &amp; Co");
    EXPECT_EQ(textHtml("Sm\xF8rvik"), "Sm\xC3\xB8rvik");
}

TEST(SitePage, TheStylesheetTakesTheHtmlOptionsColoursAndFont) {
    output::HtmlStyle style;
    style.colours[output::HtmlStyle::HeaderBackground] = 0x00FFC805;  // shown 05C8FF
    style.colours[output::HtmlStyle::AlternateRow] = 0x00102030;
    style.fontFace = "Gill \"Sans\"";
    style.headerFontSize = 5;
    const std::string css = siteStylesheet(style);
    EXPECT_TRUE(contains(css, "--header-background: #05C8FF;"));
    EXPECT_TRUE(contains(css, "--row: #FFFFFF;"));
    EXPECT_TRUE(contains(css, "--alternate-row: #302010;"));
    EXPECT_TRUE(contains(css, "--text: #000000;"));
    EXPECT_TRUE(contains(css, "font-family: \"Gill \\\"Sans\\\"\", sans-serif;"));
    EXPECT_TRUE(contains(css, "font-size: x-large;"));  // the header size
    EXPECT_TRUE(contains(css, "font-size: medium;"));   // the body size, 3
    EXPECT_TRUE(contains(siteStylesheet(output::HtmlStyle{}), "font-family: monospace;"));
}

TEST(GamePage, ShowsTheFinalScoreEveryOvertimePlayedTheBoxScoreAndTheDetails) {
    testing::GameBuilder g("Hawks & Co", "Owls");
    g.homePlayer("Ann <A>", 12, 5).visitorPlayer("Oz", -1, 5);
    g.home(testing::play("Ann <A>", Shot, TwoPointMade, 0, 12));
    g.home(testing::play("Ann <A>", Shot, ThreePointMade, 6, 12));  // third overtime
    g.visitor(testing::play("Oz", Shot, FreeThrowMade, 4, -1));
    g.visitor(testing::play("Oz", Shot, TwoPointMissed, 4, -1));
    g.game.court = "Brenvik Arena";
    g.game.attendance = " ";
    g.game.referee1 = "Ref One";
    g.game.referee2 = " ";
    g.game.referee3 = "Ref Three";
    g.game.year = 2024;
    g.game.month = 3;
    g.game.day = 14;
    g.game.hour = 19;
    g.game.minute = 30;
    g.game.fileName = "/games/week1.gam";
    const output::BoxScore boxScore(g.game);
    const std::string page = gamePage(kFrame, boxScore, {"team-hawks-co.html", "team-owls.html"});

    EXPECT_TRUE(contains(page, "<title>Hawks &amp; Co vs Owls, 3/14/2024 - Brenvik League 2024</title>"));
    EXPECT_TRUE(contains(page, "<h1><a href=\"team-hawks-co.html\">Hawks &amp; Co</a> 5 vs "
                               "<a href=\"team-owls.html\">Owls</a> 1</h1>"));
    // Four quarters and the three overtimes up to the last play.
    for (const char* heading : {"Qtr1", "Qtr4", "OT1", "OT2", "OT3"})
        EXPECT_TRUE(contains(page, std::string(">") + heading + "</th>")) << heading;
    EXPECT_FALSE(contains(page, ">OT4</th>"));
    EXPECT_TRUE(contains(page, "<tr><th scope=\"row\"><a href=\"team-hawks-co.html\">Hawks &amp; Co</a></th>"
                               "<td>2</td><td>0</td><td>0</td>"
                               "<td>0</td><td>0</td><td>0</td>"
                               "<td>3</td><td>5</td></tr>"));
    // The box score's rows: name and number, PP, TP, 2M, 2A, 2% ...
    EXPECT_TRUE(contains(page, "<caption>Hawks &amp; Co (home)</caption>"));
    EXPECT_TRUE(contains(page, "<tr><th scope=\"row\">Ann &lt;A&gt; #12</th><td>5</td>"
                               "<td>5</td><td>1</td><td>1</td>"
                               "<td>100</td>"));
    EXPECT_TRUE(contains(page, "<th scope=\"row\">Oz #00</th>"));
    EXPECT_TRUE(contains(page, "<tfoot>\n<tr><th scope=\"row\">TEAM TOTALS</th>"));
    EXPECT_TRUE(contains(page, "<dt>Date</dt><dd>Thursday, March 14, 2024</dd>"));
    EXPECT_TRUE(contains(page, "<dt>Time</dt><dd>19:30</dd>"));
    EXPECT_TRUE(contains(page, "<dt>Court</dt><dd>Brenvik Arena</dd>"));
    EXPECT_TRUE(contains(page, "<dt>Officials</dt><dd>Ref One, Ref Three</dd>"));
    EXPECT_TRUE(contains(page, "<dt>Game file</dt><dd>week1.gam</dd>"));
    EXPECT_FALSE(contains(page, "<dt>Attendance</dt>"));  // nothing entered
}

TEST(GamePage, AGameInHalvesShowsTwoHalvesAndAFaultyPeriodAddsNoEndOfColumns) {
    Game halves = gameEnding("Hawks", 4, "Owls", 2);
    halves.halves = 1;
    const std::vector<PeriodColumn> columns = periodColumns(halves);
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[1].heading, "Half2");
    EXPECT_EQ(columns[1].period, 2);

    Game wild = gameEnding("Hawks", 2, "Owls", 0);
    std::vector<PlayEvent> plays = wild.homeEvents();
    plays.front().period = 30000;  // a damaged record
    wild.setEvents(true, plays);
    EXPECT_EQ(periodColumns(wild).size(), 4u + kMaxOvertimeColumns);
}

class TeamAndIndexPages : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<Game> games{gameEnding("Hawks", 60, "Owls", 50, 3, 2), gameEnding("Owls", 45, "Hawks", 41, 3, 9),
                                      gameEnding("Hawks", 30, "Owls", 30, 3, 16)};
        for (std::size_t i = 0; i < games.size(); ++i)
            season.addGame(output::BoxScore(games[i]), "game-" + std::to_string(i + 1) + ".html");
        season.finish();
        standings = standingsOf(season);
    }
    Season season;
    std::vector<Standing> standings;
};

TEST_F(TeamAndIndexPages, TheTeamPageHasItsRecordGameLogAndPlayersTable) {
    const TeamSeason& hawks = *season.team("Hawks");
    const std::string page = teamPage(kFrame, season, hawks, standings[0]);
    EXPECT_TRUE(contains(page, "<h1>Hawks</h1>"));
    EXPECT_TRUE(contains(page, "Record: 1-1 (.500), points for 101, against 95; 1 tied game."));
    EXPECT_TRUE(contains(page, "<tr><th scope=\"row\"><a href=\"game-2.html\">3/9/2024</a></th>"
                               "<td class=\"t\"><a href=\"team-owls.html\">Owls</a></td><td class=\"t\">Away</td>"
                               "<td class=\"t\"><a href=\"game-2.html\">41-45</a></td><td class=\"t\">L</td></tr>"));
    EXPECT_TRUE(contains(page, "<td class=\"t\">Home</td><td class=\"t\"><a href=\"game-3.html\">30-30</a></td><td class=\"t\">T</td>"));
    EXPECT_TRUE(contains(page, "<thead><tr><th scope=\"col\">Player</th><th scope=\"col\" class=\"n\" "
                               "title=\"Games played\">GP</th><th scope=\"col\" class=\"n\" title=\"Total points\">"
                               "PTS</th><th scope=\"col\" class=\"n\" title=\"Points per game\">PPG</th>"));
    // The scorer first: 131 points in 3 games.
    EXPECT_TRUE(contains(page, "<tbody>\n<tr><th scope=\"row\">Hawks Player 1 #3</th><td>3</td>"
                               "<td>131</td><td>43.7</td>"));
    EXPECT_TRUE(contains(page, "<tfoot>\n<tr><th scope=\"row\">TEAM TOTALS</th><td>3</td>"));
}

TEST_F(TeamAndIndexPages, TheIndexHasStandingsResultsNewestFirstLeadersAndUpcoming) {
    Schedule schedule;
    schedule.entries = {testing::scheduled(GameEvent, 3, 27, 2024, 19, 0, "Owls", "Hawks", "Hall"),
                        testing::scheduled(PracticeEvent, 2, 30, 2024, 18, 0, "Hawks"),
                        testing::scheduled(GameEvent, 3, 19, 2024, 19, 0, "Hawks", "Owls"),
                        testing::scheduled(PracticeEvent, 3, 20, 2024, 8, 0, "Owls")};
    std::vector<std::string> warnings;
    const std::vector<ScheduleEntry> upcoming = upcomingEntries(schedule, kFrame.built, warnings);
    ASSERT_EQ(upcoming.size(), 2u);  // today's and the one after; not the day before
    EXPECT_EQ(upcoming[0].homeName, "Owls");
    EXPECT_EQ(upcoming[0].kind, PracticeEvent);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(contains(warnings[0], "entry 2 (2/30/2024 18:00, Practice - Hawks)")) << warnings[0];

    const std::string page = indexPage(kFrame, season, standings, &upcoming);
    EXPECT_TRUE(contains(page, "<h1>Brenvik League 2024</h1>"));
    EXPECT_TRUE(contains(page, "<thead><tr><th scope=\"col\">Team</th><th scope=\"col\" class=\"n\" title=\"Games "
                               "played\">GP</th><th scope=\"col\" class=\"n\" title=\"Won\">W</th>"));
    EXPECT_TRUE(contains(page, "<tr><th scope=\"row\"><a href=\"team-hawks.html\">Hawks</a></th><td>2"
                               "</td><td>1</td><td>1</td><td>.500</td>"
                               "<td>101</td><td>95</td></tr>"));
    const std::size_t newest = page.find("<a href=\"game-3.html\">3/16/2024</a>");
    const std::size_t oldest = page.find("<a href=\"game-1.html\">3/2/2024</a>");
    ASSERT_NE(newest, std::string::npos);
    ASSERT_NE(oldest, std::string::npos);
    EXPECT_LT(newest, oldest);
    EXPECT_TRUE(contains(page, "<td class=\"t\"><span class=\"won\"><a href=\"team-owls.html\">Owls</a></span></td>"
                               "<td><a href=\"game-2.html\">45</a></td>"));
    for (const char* caption : {"Points per game", "Rebounds per game", "Assists per game", "Steals per game",
                                "Blocked shots per game", "Upcoming"})
        EXPECT_TRUE(contains(page, std::string("<caption>") + caption + "</caption>")) << caption;
    EXPECT_TRUE(contains(page, "<td class=\"t\">Owls</td><td class=\"t\">Hawks</td><td class=\"t\">Hall</td>"));
    // Without a schedule there is no such section.
    EXPECT_FALSE(contains(indexPage(kFrame, season, standings, nullptr), "Upcoming"));
}

}  // namespace
}  // namespace courtlog::site
