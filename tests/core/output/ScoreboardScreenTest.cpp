#include "core/output/ScoreboardScreen.h"

#include <gtest/gtest.h>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/records/Codes.h"

using namespace courtlog;
using namespace courtlog::output;
using namespace courtlog::testing;

namespace {

struct ScreenPeriodCase {
    const char* what;
    int period;
    bool halves;
    ScreenPeriod shown;
};

class GymScreenPeriod : public ::testing::TestWithParam<ScreenPeriodCase> {};

TEST_P(GymScreenPeriod, IsSpelledOut) {
    EXPECT_EQ(screenPeriod(GetParam().period, GetParam().halves), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Periods, GymScreenPeriod,
                         ::testing::Values(ScreenPeriodCase{"first quarter", 0, false, {"Quarter", "1"}},
                                           ScreenPeriodCase{"fourth quarter", 3, false, {"Quarter", "4"}},
                                           ScreenPeriodCase{"second half", 2, true, {"Half", "2"}},
                                           ScreenPeriodCase{"second half on its second slot", 3, true, {"Half", "2"}},
                                           ScreenPeriodCase{"third overtime", 6, false, {"Overtime", "3"}},
                                           ScreenPeriodCase{"damaged negative period", -2, true, {"Half", "1"}}),
                         NameFromWhat{});

TEST(GymScreen, TimeOutsLeftAreWordsAndLeaveOutTwentySecondOnesALeagueDoesNotHave) {
    LeagueOptions league;
    EXPECT_EQ(timeOutsLeftWords(4, 2, league), "4 full, 2 short");
    EXPECT_EQ(timeOutsLeftWords(0, 1, league), "0 full, 1 short");
    league.shortTimeOuts = 0;
    EXPECT_EQ(timeOutsLeftWords(3, 0, league), "3");
}

// What a spectator reads: both names, escaped, scores, the period spelled
// out, team fouls, the bonus with the team that shoots it and the time
// outs left; the page is dark, fills the screen and reloads itself.
TEST(GymScreen, PageShowsEveryFigureOnADarkScreenFillingPage) {
    Game g = game("Harbor <Hawks>", "Owls & Co", {play("Alpha", Shot, ThreePointMade, 2)},
                  {play("Bravo", Shot, TwoPointMade, 2), timeOut(2), timeOut(2, true)});
    g.currentPeriod = 2;
    for (int i = 0; i < 5; ++i) g.addVisitorEvent(play("Bravo", Foul, DefensiveFoul, 2));
    const std::string page = scoreboardScreenHtml(g, LeagueOptions{});

    EXPECT_NE(page.find("<div class=\"name\">Harbor &lt;Hawks&gt;</div>"), std::string::npos);
    EXPECT_NE(page.find("<div class=\"name\">Owls &amp; Co</div>"), std::string::npos);
    EXPECT_EQ(page.find("<Hawks>"), std::string::npos);
    const std::size_t home = page.find("class=\"team home\"");
    const std::size_t period = page.find("class=\"period\"");
    const std::size_t visitor = page.find("class=\"team visitor\"");
    ASSERT_TRUE(home < period && period < visitor);
    const std::string homeColumn = page.substr(home, period - home);
    const std::string visitorColumn = page.substr(visitor);
    EXPECT_NE(homeColumn.find("<div class=\"score\">3</div>"), std::string::npos);
    EXPECT_NE(homeColumn.find("Team fouls <b>0</b>"), std::string::npos);
    EXPECT_NE(homeColumn.find("<span>BONUS</span>"), std::string::npos);
    EXPECT_NE(homeColumn.find("Time outs left: <b>4 full, 2 short</b>"), std::string::npos);
    EXPECT_NE(visitorColumn.find("<div class=\"score\">2</div>"), std::string::npos);
    EXPECT_NE(visitorColumn.find("Team fouls <b>5</b>"), std::string::npos);
    EXPECT_NE(visitorColumn.find("<div class=\"bonus\"></div>"), std::string::npos);
    EXPECT_NE(visitorColumn.find("Time outs left: <b>3 full, 1 short</b>"), std::string::npos);
    EXPECT_NE(page.find("<div class=\"word\">Quarter</div>\n<div class=\"number\">3</div>"), std::string::npos);

    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<meta http-equiv=\"refresh\" content=\"1\">"), std::string::npos);
    EXPECT_NE(page.find("background: #05080f"), std::string::npos);
    EXPECT_NE(page.find("height: 100vh"), std::string::npos);
}

TEST(GymScreen, NamesLeaveInUtf8) {
    const std::string page = scoreboardScreenHtml(game("J\xF6nk\xF6ping", "Owls"), LeagueOptions{});
    EXPECT_NE(page.find("J\xC3\xB6nk\xC3\xB6ping"), std::string::npos);
}

}  // namespace
