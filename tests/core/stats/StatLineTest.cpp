#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/stats/StatLine.h"

namespace courtlog {
namespace {

using testing::play;

// Every counter of a line by its short key.
std::map<std::string, std::int32_t> countsOf(const StatLine& line) {
    std::map<std::string, std::int32_t> out;
    const auto& columns = statColumns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (!columns[i].isFloat) out[std::string(columns[i].key)] = statCount(line, i);
    return out;
}

struct CreditCase {
    const char* what;
    int kind;
    int detail;
    std::map<std::string, std::int32_t> changed;  // every other counter stays 0
};

void PrintTo(const CreditCase& c, std::ostream* os) { *os << c.what; }

class Crediting : public ::testing::TestWithParam<CreditCase> {};

TEST_P(Crediting, ChangesExactlyTheListedCounters) {
    const CreditCase& c = GetParam();
    StatLine line;
    line.credit(play("Ann", c.kind, c.detail));
    std::map<std::string, std::int32_t> expected = countsOf(StatLine{});
    for (const auto& [key, value] : c.changed) {
        ASSERT_TRUE(expected.count(key)) << key;
        expected[key] = value;
    }
    EXPECT_EQ(countsOf(line), expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Crediting,
    ::testing::Values(
        CreditCase{"two made", Shot, TwoPointMade, {{"2A", 1}, {"2M", 1}, {"TP", 2}}},
        CreditCase{"three made", Shot, ThreePointMade, {{"3A", 1}, {"3M", 1}, {"TP", 3}}},
        CreditCase{"free throw made", Shot, FreeThrowMade, {{"FTA", 1}, {"FTM", 1}, {"TP", 1}}},
        CreditCase{"two missed", Shot, TwoPointMissed, {{"2A", 1}}},
        CreditCase{"three missed", Shot, ThreePointMissed, {{"3A", 1}}},
        CreditCase{"free throw missed", Shot, FreeThrowMissed, {{"FTA", 1}}},
        CreditCase{"shot without result", Shot, NoShot, {}},
        CreditCase{"shot with unknown result", Shot, 9, {}},
        CreditCase{"assist", Assist, 0, {{"AS", 1}}},
        CreditCase{"offensive foul", Foul, OffensiveFoul, {{"OF", 1}}},
        CreditCase{"defensive foul", Foul, DefensiveFoul, {{"DF", 1}}},
        CreditCase{"loose ball foul", Foul, LooseBallFoul, {{"DF", 1}}},
        CreditCase{"foul of no kind", Foul, NoFoul, {{"DF", 1}}},
        CreditCase{"player technical", TechnicalFoul, PlayerTechnical, {{"TF", 1}}},
        CreditCase{"bench technical", TechnicalFoul, TechnicalOnBench, {}},
        CreditCase{"other technical", TechnicalFoul, OtherTechnical, {}},
        CreditCase{"steal", Steal, 0, {{"ST", 1}}},
        CreditCase{"offensive rebound", Rebound, OffensiveRebound, {{"OR", 1}}},
        CreditCase{"defensive rebound", Rebound, DefensiveRebound, {{"DR", 1}}},
        CreditCase{"rebound of no kind", Rebound, NoRebound, {{"DR", 1}}},
        CreditCase{"travel", Turnover, Travel, {{"TO", 1}, {"TRV", 1}}},
        CreditCase{"double dribble", Turnover, DoubleDribble, {{"TO", 1}, {"DD", 1}}},
        CreditCase{"bad pass", Turnover, BadPass, {{"TO", 1}, {"BP", 1}}},
        CreditCase{"lane violation", Turnover, LaneViolation, {{"TO", 1}, {"3S", 1}}},
        CreditCase{"clock violation", Turnover, ClockViolation, {{"TO", 1}, {"CLKEXP", 1}}},
        CreditCase{"palming", Turnover, Palming, {{"TO", 1}, {"PC", 1}}},
        CreditCase{"back court", Turnover, BackCourt, {{"TO", 1}, {"BKCT", 1}}},
        CreditCase{"lost ball", Turnover, LostBall, {{"TO", 1}, {"LB", 1}}},
        CreditCase{"inbound violation", Turnover, InboundViolation, {{"TO", 1}, {"IBV", 1}}},
        CreditCase{"out of bounds", Turnover, OutOfBounds, {{"TO", 1}, {"OUTOFBNDS", 1}}},
        CreditCase{"other turnover", Turnover, OtherTurnover, {{"TO", 1}, {"OTHER", 1}}},
        CreditCase{"turnover of no kind", Turnover, NoTurnover, {{"TO", 1}}},
        CreditCase{"turnover of unknown kind", Turnover, 12, {{"TO", 1}}},
        CreditCase{"blocked shot", BlockedShot, 0, {{"BS", 1}}},
        CreditCase{"deleted event", NoEvent, 0, {}},
        CreditCase{"jump ball", JumpBall, 0, {}},
        CreditCase{"goal tend", GoalTend, OffensiveGoalTend, {}},
        CreditCase{"time out", TimeOut, 0, {}},
        CreditCase{"20-second time out", ShortTimeOut, 0, {}},
        CreditCase{"unknown kind", 40, 0, {}}),
    courtlog::testing::NameFromWhat());

TEST(StatLineTest, ColumnsRunFromGamesPlayedToTurnoversPerGame) {
    std::vector<std::string> keys;
    for (const StatColumn& c : statColumns()) keys.emplace_back(c.key);
    const std::vector<std::string> expected{
        "GP",  "PP",  "TP",  "2A", "2M",     "3A", "3M",   "FGA", "FGM", "FTA",       "FTM",   "AS",  "OF",  "DF",
        "TF",  "OR",  "DR",  "ST", "BS",     "TO", "TRV",  "DD",  "BP",  "3S",        "CLKEXP", "PC", "BKCT", "LB",
        "IBV", "OUTOFBNDS", "OTHER", "PPG", "2%", "3%", "FG%", "FT%", "APG", "FPG", "RPG", "SPG", "BPG", "TPG"};
    EXPECT_EQ(keys, expected);
    for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(statColumns()[i].isFloat, i >= 31) << keys[i];
}

struct DerivedCase {
    const char* what;
    StatLine line;  // counters and GP
    std::map<std::string, double> expected;  // derived values; the others must be 0
};

void PrintTo(const DerivedCase& c, std::ostream* os) { *os << c.what; }

StatLine counters(std::int32_t gp, std::int32_t tp, std::int32_t twoA, std::int32_t twoM, std::int32_t threeA,
                  std::int32_t threeM, std::int32_t fta, std::int32_t ftm) {
    StatLine l;
    l.gp = gp;
    l.tp = tp;
    l.twoA = twoA;
    l.twoM = twoM;
    l.threeA = threeA;
    l.threeM = threeM;
    l.fta = fta;
    l.ftm = ftm;
    return l;
}

StatLine others(std::int32_t gp, std::int32_t as, std::int32_t of, std::int32_t df, std::int32_t tf,
                std::int32_t oreb, std::int32_t dreb, std::int32_t st, std::int32_t bs, std::int32_t to) {
    StatLine l;
    l.gp = gp;
    l.as = as;
    l.of = of;
    l.df = df;
    l.tf = tf;
    l.oreb = oreb;
    l.dreb = dreb;
    l.st = st;
    l.bs = bs;
    l.to = to;
    return l;
}

class Derived : public ::testing::TestWithParam<DerivedCase> {};

TEST_P(Derived, FollowsTheGuardedDivisions) {
    const DerivedCase& c = GetParam();
    StatLine line = c.line;
    line.computeDerived();
    const auto& columns = statColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string key(columns[i].key);
        if (!columns[i].isFloat && key != "FGA" && key != "FGM") continue;
        const auto found = c.expected.find(key);
        const double want = found == c.expected.end() ? 0.0 : found->second;
        if (columns[i].isFloat) {
            // Stored as 32-bit floats, unrounded.
            EXPECT_FLOAT_EQ(statFloat(line, i), static_cast<float>(want)) << c.what << " " << key;
        } else {
            EXPECT_EQ(statCount(line, i), static_cast<std::int32_t>(want)) << c.what << " " << key;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Derived,
    ::testing::Values(
        DerivedCase{"nothing at all", StatLine{}, {}},
        DerivedCase{"a made free throw alone", counters(1, 1, 0, 0, 0, 0, 1, 1), {{"PPG", 1}, {"FT%", 100}}},
        DerivedCase{"two of three two-pointers",
                    counters(1, 4, 3, 2, 0, 0, 0, 0),
                    {{"PPG", 4}, {"2%", 200.0 / 3.0}, {"FGA", 3}, {"FGM", 2}, {"FG%", 200.0 / 3.0}}},
        DerivedCase{"field goals join twos and threes",
                    counters(2, 13, 4, 2, 4, 3, 0, 0),
                    {{"PPG", 6.5}, {"2%", 50}, {"3%", 75}, {"FGA", 8}, {"FGM", 5}, {"FG%", 62.5}}},
        DerivedCase{"misses only", counters(1, 0, 5, 0, 2, 0, 3, 0), {{"FGA", 7}}},
        DerivedCase{"points but no games played", counters(0, 7, 2, 2, 1, 1, 0, 0),
                    {{"2%", 100}, {"3%", 100}, {"FGA", 3}, {"FGM", 3}, {"FG%", 100}}},
        DerivedCase{"per-game figures; technicals are not fouls per game",
                    others(4, 6, 1, 5, 3, 2, 8, 3, 1, 9),
                    {{"APG", 1.5}, {"FPG", 1.5}, {"RPG", 2.5}, {"SPG", 0.75}, {"BPG", 0.25}, {"TPG", 2.25}}},
        DerivedCase{"per-game figures need games", others(0, 6, 1, 5, 3, 2, 8, 3, 1, 9), {}}),
    courtlog::testing::NameFromWhat());

TEST(StatLineTest, CountersGoPastSixteenBitsAndStopAtTheTop) {
    StatLine line;
    for (int i = 0; i < 20000; ++i) line.credit(play("Ann", Shot, ThreePointMade));
    EXPECT_EQ(line.tp, 60000);
    EXPECT_EQ(line.threeM, 20000);

    line.tp = INT32_MAX - 1;
    line.credit(play("Ann", Shot, ThreePointMade));
    EXPECT_EQ(line.tp, INT32_MAX);
}

}  // namespace
}  // namespace courtlog
