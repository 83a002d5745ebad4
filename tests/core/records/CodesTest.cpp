#include <gtest/gtest.h>

#include "core/records/Codes.h"
#include "core/records/Game.h"
#include "core/records/Player.h"

namespace courtlog {
namespace {

TEST(CodesTest, PositionAndSlotTextsFallBackOutsideTheirRange) {
    EXPECT_EQ(positionText(0), "Bench");
    EXPECT_EQ(positionText(1), "Guard");
    EXPECT_EQ(positionText(2), "Center");
    EXPECT_EQ(positionText(3), "Forward");
    EXPECT_EQ(positionText(4), "Bench");
    EXPECT_EQ(positionText(-1), "Bench");

    EXPECT_EQ(positionLetter(0), "B");
    EXPECT_EQ(positionLetter(3), "F");
    EXPECT_EQ(positionLetter(4), "");
    EXPECT_EQ(positionLetter(-1), "");

    EXPECT_EQ(courtSlotText(0), "Not a Starter");
    EXPECT_EQ(courtSlotText(1), "Guard 1");
    EXPECT_EQ(courtSlotText(2), "Guard 2");
    EXPECT_EQ(courtSlotText(3), "Center");
    EXPECT_EQ(courtSlotText(4), "Forward 1");
    EXPECT_EQ(courtSlotText(5), "Forward 2");
    EXPECT_EQ(courtSlotText(6), "Not a Starter");
    EXPECT_EQ(courtSlotText(-3), "Not a Starter");
}

TEST(CodesTest, EventTablesHaveTheirTextsAndEmptyOutsideThem) {
    EXPECT_EQ(eventKindText(0), "No Event");
    EXPECT_EQ(eventKindText(4), "Technical Foul");
    EXPECT_EQ(eventKindText(12), "20-Sec Time Out");
    EXPECT_EQ(eventKindText(13), "");
    EXPECT_EQ(shotResultText(2), "Three Point Made");
    EXPECT_EQ(shotResultText(6), "Free Throw Missed");
    EXPECT_EQ(shotResultText(7), "");
    EXPECT_EQ(foulKindText(3), "Loose Ball Foul");
    EXPECT_EQ(foulKindText(4), "");
    EXPECT_EQ(technicalKindText(1), "Technical On Bench");
    EXPECT_EQ(reboundKindText(2), "Defensive Rebound");
    EXPECT_EQ(reboundKindText(3), "");
    EXPECT_EQ(goalTendKindText(1), "Offensive Goal Tend");
    EXPECT_EQ(turnoverKindText(9), "Inbound Violation");
    EXPECT_EQ(turnoverKindText(11), "Other Turnover");
    EXPECT_EQ(turnoverKindText(12), "");
    EXPECT_EQ(turnoverKindText(-1), "");
}

TEST(CodesTest, ShotPointsCountOnlyMadeShots) {
    const int expected[] = {0, 2, 3, 1, 0, 0, 0};
    for (int r = 0; r < 7; ++r) EXPECT_EQ(shotPoints(r), expected[r]) << r;
    EXPECT_EQ(shotPoints(7), 0);
    EXPECT_EQ(shotPoints(-1), 0);
}

TEST(CodesTest, SubKindTextFollowsTheEventKind) {
    PlayEvent e;
    e.shotResult = FreeThrowMade;
    e.foulKind = DefensiveFoul;
    e.technicalKind = OtherTechnical;
    e.reboundKind = OffensiveRebound;
    e.goalTendKind = DefensiveGoalTend;
    e.turnoverKind = Palming;
    const struct {
        int kind;
        const char* text;
    } cases[] = {{Shot, "Free Throw Made"},
                 {Foul, "Defensive Foul"},
                 {TechnicalFoul, "Other Technical"},
                 {Rebound, "Offensive Rebound"},
                 {GoalTend, "Defensive Goal Tend"},
                 {Turnover, "Palming"},
                 {Assist, ""},
                 {Steal, ""},
                 {NoEvent, ""},
                 {ShortTimeOut, ""}};
    for (const auto& c : cases) {
        e.kind = static_cast<std::int16_t>(c.kind);
        EXPECT_EQ(subKindText(e), c.text) << c.kind;
    }
}

TEST(CodesTest, PeriodNamesForQuartersHalvesAndOvertimes) {
    const char* quarters[] = {"1st", "2nd", "3rd", "4th", "OT1", "OT2", "OT3",
                              "OT4", "OT5", "OT6", "OT7", "OT8", "OT9"};
    for (int p = 0; p < 13; ++p) EXPECT_EQ(periodName(p, false), quarters[p]) << p;
    EXPECT_EQ(periodName(13, false), "OT");
    EXPECT_EQ(periodName(-1, false), "OT");

    EXPECT_EQ(periodName(0, true), "1st");
    EXPECT_EQ(periodName(1, true), "1st");
    EXPECT_EQ(periodName(2, true), "2nd");
    EXPECT_EQ(periodName(3, true), "2nd");
    EXPECT_EQ(periodName(5, true), "OT2");
}

TEST(CodesTest, OrdinalSuffixes) {
    const struct {
        int n;
        const char* suffix;
    } cases[] = {{1, "st"},  {2, "nd"},  {3, "rd"},  {4, "th"},  {10, "th"}, {11, "th"},
                 {12, "th"}, {13, "th"}, {20, "th"}, {21, "st"}, {22, "nd"}, {23, "rd"},
                 {30, "th"}, {31, "st"}, {42, "nd"}, {0, "th"}};
    for (const auto& c : cases) EXPECT_EQ(ordinalSuffix(c.n), c.suffix) << c.n;
}

TEST(CodesTest, NameConversionsIgnoreCase) {
    EXPECT_EQ(positionFromName("forward"), 3);
    EXPECT_EQ(positionFromName("FORWARD"), 3);
    EXPECT_EQ(positionFromName("guard"), 1);
    EXPECT_EQ(positionFromName("Center"), 2);
    EXPECT_EQ(positionFromName("bench"), 0);
    EXPECT_EQ(positionFromName("1"), 1);
    EXPECT_EQ(positionFromName("3"), 3);
    EXPECT_EQ(positionFromName("4"), 0);
    EXPECT_EQ(positionFromName("Forwards"), 0);
    EXPECT_EQ(positionFromName(""), 0);

    EXPECT_EQ(courtSlotFromName("guard 1"), 1);
    EXPECT_EQ(courtSlotFromName("GUARD 2"), 2);
    EXPECT_EQ(courtSlotFromName("center"), 3);
    EXPECT_EQ(courtSlotFromName("Forward 1"), 4);
    EXPECT_EQ(courtSlotFromName("forward 2"), 5);
    EXPECT_EQ(courtSlotFromName("4"), 0);
    EXPECT_EQ(courtSlotFromName("Not a Starter"), 0);
}

}  // namespace
}  // namespace courtlog
