// The three statistics exports byte for byte, and which one a chosen file
// name and filter make.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "RecordBuilders.h"
#include "core/output/StatisticsExport.h"
#include "core/records/Codes.h"
#include "core/stats/Stat.h"

namespace courtlog::output {
namespace {

using courtlog::testing::play;

// The Hawks' lines of one game: Ann #12 shoots 2 of 3 twos and a three and
// plays two periods; "Bo, Jr. <B>" (uniform 00) travels once, assists once
// and plays one period; then the totals.
std::vector<StatLine> hawksLines() {
    Player ann = courtlog::testing::player("Ann", 12);
    ann.playedInPeriod[0] = ann.playedInPeriod[1] = 1;
    Player bo = courtlog::testing::player("Bo, Jr. <B>", -1);
    bo.playedInPeriod[0] = 1;
    Game game = courtlog::testing::game(courtlog::testing::team("Hawks", {ann, bo}), courtlog::testing::team("Owls", 1));
    for (const PlayEvent& e :
         {play("Ann", Shot, TwoPointMade, 0, 12), play("Ann", Shot, TwoPointMissed, 0, 12),
          play("Ann", Shot, TwoPointMade, 1, 12), play("Ann", Shot, ThreePointMade, 1, 12),
          play("Bo, Jr. <B>", Turnover, Travel, 0, -1), play("Bo, Jr. <B>", Assist, 0, 1, -1)})
        game.addHomeEvent(e);
    Stat stat;
    stat.setTeamName("Hawks");
    stat.compute(game, false);
    return stat.lines();
}

TEST(StatisticsExport, CommaSeparatedQuotesANameWithACommaAndEndsWithoutNewline) {
    EXPECT_EQ(statisticsCsv(hawksLines()),
              "PLAYER,Teamn,GP,PP,TP,PPG,2M,2A,2%,3M,3A,3%,FGM,FGA,FG%,FTM,FTA,FT%,AS,APG,OF,DF,FPG,TF,OR,DR,RPG,"
              "ST,SPG,BS,BPG,TO,TRV,DD,BP,3S,CLKEXP,PC,BKCT,LB,IBV,OUTOFBNDS,OTHER,TPG"
              "\nAnn,Hawks,1,2,7,7.000000,2,3,66.666664,1,1,100.000000,3,4,75.000000,0,0,0.000000,0,0.000000,0,0,"
              "0.000000,0,0,0,0.000000,0,0.000000,0,0.000000,0,0,0,0,0,0,0,0,0,0,0,0,0.000000"
              "\n\"Bo, Jr. <B>\",Hawks,1,1,0,0.000000,0,0,0.000000,0,0,0.000000,0,0,0.000000,0,0,0.000000,1,"
              "1.000000,0,0,0.000000,0,0,0,0.000000,0,0.000000,0,0.000000,1,1,0,0,0,0,0,0,0,0,0,0,1.000000"
              "\nTEAM TOTALS,,1,2,7,7.000000,2,3,66.666664,1,1,100.000000,3,4,75.000000,0,0,0.000000,1,1.000000,"
              "0,0,0.000000,0,0,0,0.000000,0,0.000000,0,0.000000,1,1,0,0,0,0,0,0,0,0,0,0,1.000000");
}

TEST(StatisticsExport, BenchbossHasNoTeamAndNoTurnoverKinds) {
    const std::string text = statisticsBenchboss(hawksLines());
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "PLAYER,GP,PP,TP,PPG,2M,2A,2%,3M,3A,3%,FGM,FGA,FG%,FTM,FTA,FT%,AS,APG,OF,DF,FPG,TF,OR,DR,RPG,ST,SPG,BS,"
              "BPG,TO,TPG");
    EXPECT_NE(text.find("\nAnn,1,2,7,7.000000,2,3,66.666664,1,1,100.000000,3,4,75.000000,0,0,0.000000,0,0.000000,"
                        "0,0,0.000000,0,0,0,0.000000,0,0.000000,0,0.000000,0,0.000000\n"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.rfind('\n')),
              "\nTEAM TOTALS,1,2,7,7.000000,2,3,66.666664,1,1,100.000000,3,4,75.000000,0,0,0.000000,1,1.000000,0,0,"
              "0.000000,0,0,0,0.000000,0,0.000000,0,0.000000,1,1.000000");
}

TEST(StatisticsExport, HtmlPageIsTheStyledTableWithEscapedTexts) {
    const ClockReading noon{2024, 3, 14, 12, 5, 9};
    const std::string page = statisticsHtml(hawksLines(), "Individual Stats for Hawks", HtmlStyle{}, true, noon);
    EXPECT_EQ(page, courtlog::testing::readFile(COURTLOG_TEST_DATA "/output/statistics-hawks.htm"));
    // Appending leaves the head out and starts with the table.
    const std::string part = statisticsHtml(hawksLines(), "Individual Stats for Hawks", HtmlStyle{}, false, noon);
    EXPECT_EQ(page, pageHead("Individual Statistics") + part);
}

}  // namespace
}  // namespace courtlog::output
