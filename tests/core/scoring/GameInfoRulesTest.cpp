#include "core/scoring/GameInfoRules.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace courtlog;
using namespace courtlog::scoring;

namespace {

constexpr int kThisYear = 2030;

struct ReadBackCase {
    const char* what;
    GameInfoTexts typed;
    int month, day, year, hour, minute, season;
};
void PrintTo(const ReadBackCase& c, std::ostream* out) { *out << c.what; }

const ReadBackCase kReadBackCases[] = {
    {"DateTimeAndSeasonWithinRange", {"12/31/0", "7:5", "1999"}, 12, 31, 0, 7, 5, 1999},
    {"MonthAndDayOutOfRangeBecomeOne", {"13/40/2004", "12:00", "2004"}, 1, 1, 2004, 12, 0, 2004},
    {"NegativeYearAndSeasonBecomeThisYear", {"2/29/-5", "", "-3"}, 2, 29, kThisYear, 0, 0, kThisYear},
    {"YearAndSeasonPastNineNineNineNineBecomeThisYear", {"0/0/10000", "", "10000"}, 1, 1, kThisYear, 0, 0,
     kThisYear},
    {"TimeBeyondSixteenBitsIsHeldAtItsRange", {"1/1/2000", "99999:-99999", "2000"}, 1, 1, 2000, 32767, -32768,
     2000},
    {"SeasonShownAfterAButtonReadsBack", {"1/1/2000", "09:30", "  1999"}, 1, 1, 2000, 9, 30, 1999},
};

class ReadBackGameInfo : public ::testing::TestWithParam<ReadBackCase> {};

TEST_P(ReadBackGameInfo, StoresEachFieldWithinItsRange) {
    const ReadBackCase& c = GetParam();
    Game game;
    readBackGameInfo(game, c.typed, kThisYear);
    EXPECT_EQ(game.month, c.month);
    EXPECT_EQ(game.day, c.day);
    EXPECT_EQ(game.year, c.year);
    EXPECT_EQ(game.hour, c.hour);
    EXPECT_EQ(game.minute, c.minute);
    EXPECT_EQ(game.season, c.season);
}

INSTANTIATE_TEST_SUITE_P(Fields, ReadBackGameInfo, ::testing::ValuesIn(kReadBackCases),
                         [](const auto& info) { return std::string(info.param.what); });

struct SeasonCase {
    const char* what;
    const char* typed;
    const char* up;
    const char* down;
};
void PrintTo(const SeasonCase& c, std::ostream* out) { *out << c.what; }

const SeasonCase kSeasonCases[] = {
    {"NineNineNineNineWrapsUpToZero", "9999", "     0", "  9998"},
    {"ZeroWrapsDownToNineNineNineNine", "0", "     1", "  9999"},
    {"NegativeGoesUpToZero", "-4", "     0", "  9999"},
    {"BeyondNineNineNineNineGoesToEitherEnd", "12000", "     0", "  9999"},
    {"ASeasonStepsByOne", "2004", "  2005", "  2003"},
    {"NoNumberCountsAsZero", "next", "     1", "  9999"},
};

class SeasonButtons : public ::testing::TestWithParam<SeasonCase> {};

TEST_P(SeasonButtons, StepAndShowTheSeasonInSixPlaces) {
    const SeasonCase& c = GetParam();
    EXPECT_EQ(steppedSeasonText(c.typed, true), c.up);
    EXPECT_EQ(steppedSeasonText(c.typed, false), c.down);
}

INSTANTIATE_TEST_SUITE_P(Steps, SeasonButtons, ::testing::ValuesIn(kSeasonCases),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(GameInfoRules, ThePickerOpensOnTheTypedDateOnlyWhenItIsADate) {
    const GameDate today{6, 15, kThisYear};
    EXPECT_EQ(pickerStartDate("2/29/2004", today), (GameDate{2, 29, 2004}));
    EXPECT_EQ(pickerStartDate("13/40/2004", today), today);
    EXPECT_EQ(pickerStartDate("2/29/-1", today), today);
    EXPECT_EQ(pickerStartDate("not a date", today), today);
}

TEST(GameInfoRules, ANewGameOpensOnTodayAndALoadedOneOnItsOwnInformation) {
    Game game;
    game.isNew = 1;
    EXPECT_EQ(openingGameInfo(game, {6, 15, kThisYear}), (GameInfoTexts{"6/15/2030", "12:00", "2030"}));
    game.isNew = 0;
    game.month = 3;
    game.day = 4;
    game.year = 2004;
    game.hour = 7;
    game.minute = 5;
    game.season = 2003;
    EXPECT_EQ(openingGameInfo(game, {6, 15, kThisYear}), (GameInfoTexts{"3/4/2004", "07:05", "2003"}));
}

}  // namespace
