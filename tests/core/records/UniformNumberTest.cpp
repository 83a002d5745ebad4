// The uniform "00": stored as -1, shown, typed and chosen the one way.
#include <gtest/gtest.h>

#include "RecordBuilders.h"
#include "core/output/ScoreSheetContent.h"
#include "core/output/StatisticsExport.h"
#include "core/records/UniformNumber.h"
#include "core/stats/StatisticsColumns.h"

namespace courtlog {
namespace {

TEST(UniformNumber, DoubleZeroShowsAsOOInEveryLayout) {
    EXPECT_EQ(uniformText(-1), "00");
    EXPECT_EQ(uniformText(-1, UniformPadding::Blank), "00");
    EXPECT_EQ(uniformText(-1, UniformPadding::Zero), "00");
    EXPECT_EQ(uniformText(0), "0");
    EXPECT_EQ(uniformText(7, UniformPadding::Blank), " 7");
    EXPECT_EQ(uniformText(7, UniformPadding::Zero), "07");
    EXPECT_EQ(uniformText(99, UniformPadding::Zero), "99");
    // Only a damaged file holds another negative number: it is no uniform
    // anybody wears, and shows as the 00 too.
    EXPECT_TRUE(isDoubleZero(-5));
    EXPECT_EQ(uniformText(-5, UniformPadding::Blank), "00");
    EXPECT_FALSE(isDoubleZero(0));
}

TEST(UniformNumber, TypedNumbersAreDoubleZeroOrZeroToNinetyNine) {
    EXPECT_EQ(parseUniform("00"), kUniformDoubleZero);
    EXPECT_EQ(parseUniform(" 00 "), kUniformDoubleZero);
    EXPECT_EQ(parseUniform("0"), 0);
    EXPECT_EQ(parseUniform("07"), 7);
    EXPECT_EQ(parseUniform("99"), 99);
    // Only "00" itself is the double zero: more zeros in front only pad.
    EXPECT_EQ(parseUniform("007"), 7);
    EXPECT_EQ(parseUniform("000"), 0);
    EXPECT_EQ(parseUniform("0099"), 99);
    for (const char* refused : {"", " ", "abc", "100", "0100", "99999999", "-3", "-1", "7b", "1 2", "+5"})
        EXPECT_FALSE(parseUniform(refused).has_value()) << refused;
}

TEST(UniformNumber, ChoicesListDoubleZeroFirstAndFindEveryNumberTheyHold) {
    const std::vector<std::string> choices = uniformChoices();
    ASSERT_EQ(choices.size(), 101u);
    EXPECT_EQ(choices.front(), "00");
    EXPECT_EQ(choices[1], "0");
    EXPECT_EQ(choices.back(), "99");
    for (int entry = 0; entry < static_cast<int>(choices.size()); ++entry) {
        EXPECT_EQ(uniformText(uniformOfChoice(entry)), choices[static_cast<std::size_t>(entry)]);
        EXPECT_EQ(uniformChoiceOf(uniformOfChoice(entry)), entry);
    }
    EXPECT_EQ(uniformChoiceOf(-5), 0);    // shown as the 00 it reads as
    EXPECT_EQ(uniformChoiceOf(100), -1);  // no entry: the list cannot show it
}

// A damaged file's -5 used to show as "#-5" in the statistics page while
// the viewer showed "#00".
TEST(UniformNumber, EveryOutputShowsANegativeNumberAsDoubleZero) {
    StatLine line;
    line.playerName = "Ann";
    line.number = -5;
    EXPECT_EQ(stats::viewerCellText(line, 0, false), "Ann #00");
    const std::string page = output::statisticsHtml({line, StatLine{}}, "Stats", output::HtmlStyle{}, false, {});
    EXPECT_NE(page.find("Ann                       #00"), std::string::npos);
    EXPECT_EQ(page.find("#-5"), std::string::npos);

    Game game = testing::game(testing::team("Hawks", {testing::player("Ann", -5)}), testing::team("Owls", 1));
    const output::ScoreSheetContent sheet = output::scoreSheetContent(game);
    ASSERT_FALSE(sheet.home.rows.empty());
    EXPECT_EQ(sheet.home.rows[0].number, "00");
}

}  // namespace
}  // namespace courtlog
