#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/scoring/ShotSpot.h"
#include "core/stats/ShotZones.h"

namespace courtlog::stats {
namespace {

using scoring::CourtPoint;
using scoring::ThreePointArc;

struct ZoneCase {
    const char* what;
    ThreePointArc arc;
    CourtPoint spot;
    ShotZone zone;
};
void PrintTo(const ZoneCase& c, std::ostream* os) { *os << c.what; }

class ZoneOfSpot : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneOfSpot, IsWhereTheCourtShowsIt) {
    const ZoneCase& c = GetParam();
    EXPECT_EQ(shotZoneName(shotZone(c.spot, c.arc)), shotZoneName(c.zone)) << c.spot.x << "," << c.spot.y;
}

constexpr auto kCollege = ThreePointArc::College;
constexpr auto kPro = ThreePointArc::Pro;
constexpr auto kNone = ThreePointArc::None;

// The lane lines are drawn on columns 45 and 73 and the free-throw line on
// row 47; the college arc's top on rows 60-61 and its straight ends on
// columns 14 and 104 down to row 15; the pro corners on columns 8 and 110
// down to row 35 and its arc's top on row 70.
INSTANTIATE_TEST_SUITE_P(
    OnAndBesideEachLine, ZoneOfSpot,
    ::testing::Values(
        ZoneCase{"left lane line", kCollege, {45, 30}, ShotZone::InsideLane},
        ZoneCase{"left of the left lane line", kCollege, {44, 30}, ShotZone::MidRangeLeft},
        ZoneCase{"right lane line", kCollege, {73, 30}, ShotZone::InsideLane},
        ZoneCase{"right of the right lane line", kCollege, {74, 30}, ShotZone::MidRangeRight},
        ZoneCase{"default two spot on the free throw line", kCollege, {57, 47}, ShotZone::InsideLane},
        ZoneCase{"behind the free throw line left", kCollege, {57, 48}, ShotZone::MidRangeLeft},
        ZoneCase{"behind the free throw line middle", kCollege, {59, 48}, ShotZone::MidRangeRight},
        ZoneCase{"college arc top", kCollege, {59, 61}, ShotZone::MidRangeRight},
        ZoneCase{"beyond the college arc top", kCollege, {59, 62}, ShotZone::ThreeAboveBreak},
        ZoneCase{"default three spot", kCollege, {57, 77}, ShotZone::ThreeAboveBreak},
        ZoneCase{"college left corner line", kCollege, {14, 10}, ShotZone::MidRangeLeft},
        ZoneCase{"college left corner", kCollege, {13, 10}, ShotZone::ThreeLeftCorner},
        ZoneCase{"college right corner line", kCollege, {104, 10}, ShotZone::MidRangeRight},
        ZoneCase{"college right corner", kCollege, {105, 10}, ShotZone::ThreeRightCorner},
        ZoneCase{"college wing below the straight part", kCollege, {10, 20}, ShotZone::ThreeAboveBreak},
        ZoneCase{"pro left corner line", kPro, {8, 20}, ShotZone::MidRangeLeft},
        ZoneCase{"pro left corner", kPro, {7, 20}, ShotZone::ThreeLeftCorner},
        ZoneCase{"pro right corner at its end", kPro, {111, 35}, ShotZone::ThreeRightCorner},
        ZoneCase{"pro wing past the corner", kPro, {111, 36}, ShotZone::ThreeAboveBreak},
        ZoneCase{"pro arc top", kPro, {59, 70}, ShotZone::MidRangeRight},
        ZoneCase{"beyond the pro arc top", kPro, {59, 71}, ShotZone::ThreeAboveBreak},
        ZoneCase{"inside the pro arc where college is three", kPro, {13, 10}, ShotZone::MidRangeLeft},
        ZoneCase{"no arc lane line", kNone, {45, 30}, ShotZone::InsideLane},
        ZoneCase{"no arc deep", kNone, {59, 71}, ShotZone::OutsideLane},
        ZoneCase{"far lane is not the lane", kCollege, {59, 185}, ShotZone::ThreeAboveBreak},
        ZoneCase{"behind the end line under the basket", kCollege, {59, 1}, ShotZone::InsideLane}),
    testing::NameFromWhat());

TEST(ShotZones, TallyCountsShownMarksPerZoneOfTheArc) {
    const std::vector<ShotMark> made{{59, 30, 0, TwoPointMade}, {59, 80, 0, ThreePointMade}};
    const std::vector<ShotMark> missed{{59, 30, 0, TwoPointMissed}, {30, 40, 0, TwoPointMissed}};
    const auto college = tallyZones(made, missed, kCollege);
    ASSERT_EQ(college.size(), 6u);
    EXPECT_EQ(college[0], (ZoneTally{ShotZone::InsideLane, 1, 2}));
    EXPECT_EQ(college[1], (ZoneTally{ShotZone::MidRangeLeft, 0, 1}));
    EXPECT_EQ(college[5], (ZoneTally{ShotZone::ThreeAboveBreak, 1, 1}));
    EXPECT_EQ(zoneShotsText(college[0]) + " " + zonePercentText(college[0]), "1/2 50.0%");
    EXPECT_EQ(zonePercentText(college[3]), "-");
    const auto none = tallyZones(made, missed, kNone);
    ASSERT_EQ(none.size(), 2u);
    EXPECT_EQ(none[1], (ZoneTally{ShotZone::OutsideLane, 1, 2}));
}

}  // namespace
}  // namespace courtlog::stats
