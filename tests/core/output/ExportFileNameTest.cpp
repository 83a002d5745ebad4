#include <gtest/gtest.h>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/output/ExportFileName.h"
#include "core/records/Schedule.h"

using namespace courtlog;
using namespace courtlog::output;

namespace {

struct NameCase {
    const char* what;
    std::string subject;
    std::string contents;
    std::string expected;
};

class ExportNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ExportNames, AreSafeFileNames) {
    const NameCase& c = GetParam();
    EXPECT_EQ(exportFileName(c.subject, c.contents), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pattern, ExportNames,
    ::testing::Values(
        NameCase{"subject then contents", "Harbor Hawks", "roster", "Harbor Hawks roster"},
        NameCase{"no subject capitalises the contents", "", "roster", "Roster"},
        NameCase{"contents not repeated", "2024 Schedule", "schedule", "2024 Schedule"},
        NameCase{"slashes cannot reach another folder", "../Hawks/Eagles", "roster", "-Hawks-Eagles roster"},
        NameCase{"characters refused by some disks", "A:B*C?\"D<E>F|G\\H", "", "A-B-C--D-E-F-G-H"},
        NameCase{"control characters and blank runs", "Hawks\t\n  Eagles", "box score",
                 "Hawks - Eagles box score"},
        NameCase{"never a hidden name", ".hidden", "", "hidden"},
        NameCase{"no trailing dots", "St. Mary's Jr.", "", "St. Mary's Jr"}),
    courtlog::testing::NameFromWhat{});

TEST(ExportFileName, ALongNameIsCutBetweenCharacters) {
    std::string subject;
    for (int i = 0; i < 80; ++i) subject += "é";  // two bytes each
    const std::string name = exportFileName(subject, "roster");
    EXPECT_LE(name.size(), 120u);
    EXPECT_EQ(name.size() % 2, 0u);
    EXPECT_EQ(name.substr(0, 4), "éé");
}

TEST(ExportFileName, RecordNamesAreConverted) {
    Team team = courtlog::testing::team("Zo\xEB Stars", 5);  // Windows-1252 text
    EXPECT_EQ(teamExportName(team, "roster"), "Zoë Stars roster");
    Game game = courtlog::testing::game("Eagles", "Hawks");  // home, visitor
    EXPECT_EQ(gameExportName(game, "box score"), "Hawks at Eagles box score");
    game.homeName.clear();
    EXPECT_EQ(gameExportName(game, "box score"), "Hawks box score");
    Schedule schedule;
    EXPECT_EQ(scheduleExportName(schedule), "Schedule");
    schedule.fileName = "/home/coach/Spring 2024.sch";
    EXPECT_EQ(scheduleExportName(schedule), "Spring 2024 schedule");
}

}  // namespace
