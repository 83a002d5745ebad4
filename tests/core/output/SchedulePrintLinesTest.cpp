#include <gtest/gtest.h>

#include <string>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/output/SchedulePrintLines.h"

namespace courtlog::output {
namespace {

using courtlog::testing::scheduled;

struct LineCase {
    const char* what;
    ScheduleEntry entry;
    const char* line;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.what; }

class SchedulePrintLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(SchedulePrintLine, ReadsAsThePrintoutShowsIt) { EXPECT_EQ(schedulePrintLine(GetParam().entry), GetParam().line); }

INSTANTIATE_TEST_SUITE_P(
    Cases, SchedulePrintLine,
    ::testing::Values(
        LineCase{"GameWithCourtAndNote",
                 scheduled(GameEvent, 3, 4, 2024, 19, 5, "Hawks", "Miners", "Main Gym", "Bring water"),
                 "03/04/2024 19:05 Game - Hawks vs Miners at Main Gym - Note:Bring water"},
        LineCase{"PracticeOfOneTeam", scheduled(PracticeEvent, 11, 30, 2023, 7, 0, "Hawks"),
                 "11/30/2023 07:00 Practice - Hawks   "},
        LineCase{"NoTeamsButACourt", scheduled(PartyEvent, 12, 24, 2024, 18, 30, "", "", "Club"),
                 "12/24/2024 18:30 Party -    at Club"},
        LineCase{"UnknownKindReadsNoEvent", scheduled(42, 1, 2, 2025, 9, 9, "", "Ravens"),
                 "01/02/2025 09:09 No Event -   Ravens "}),
    courtlog::testing::NameFromWhat());

TEST(SchedulePrintLines, OneLinePerEntryInListOrderAndTheLongestSizesTheFont) {
    Schedule s;
    s.addEntry(scheduled(GameEvent, 3, 4, 2024, 19, 5, "Hawks", "Miners", "Main Gym", "Bring water"));
    s.addEntry(scheduled(PracticeEvent, 1, 2, 2024, 7, 0, "Hawks"));
    const auto lines = schedulePrintLines(s);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].substr(0, 16), "01/02/2024 07:00");
    EXPECT_EQ(longestLineLength(lines), lines[0].size());
    EXPECT_EQ(longestLineLength({}), 0u);
}

TEST(SchedulePrintLines, ALineTooLongForThePageGoesOnUnderItsEvent) {
    const std::string line = "03/04/2024 19:05 Game - Hawks vs Miners at Main Gym - Note:Bring water and towels";
    EXPECT_EQ(wrappedSchedulePrintLine(line, line.size()), std::vector<std::string>{line});
    EXPECT_EQ(wrappedSchedulePrintLine(line, 50),
              (std::vector<std::string>{"03/04/2024 19:05 Game - Hawks vs Miners at Main", std::string(17, ' ') +
                                        "Gym - Note:Bring water and towels"}));
    // A word longer than a part is cut; nothing is lost.
    const std::vector<std::string> cut = wrappedSchedulePrintLine("01/02/2025 09:09 " + std::string(40, 'x'), 30);
    EXPECT_EQ(cut, (std::vector<std::string>{"01/02/2025 09:09", std::string(15, ' ') + std::string(15, 'x'),
                                             std::string(15, ' ') + std::string(15, 'x'),
                                             std::string(15, ' ') + std::string(10, 'x')}));
}

}  // namespace
}  // namespace courtlog::output
