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

TEST_P(ZoneOfSpot, IsWhereThePictureShowsIt) {
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

// An 8-bit court picture as drawn: palette indices, top row first.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    int at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

IndexedPicture readCourt(int id) {
    const std::vector<std::uint8_t> bytes =
        testing::readBytes(std::string(COURTLOG_SAMPLES) + "/../pictures/" + std::to_string(id) + ".bmp");
    auto word = [&](std::size_t at) {
        return static_cast<int>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24);
    };
    IndexedPicture picture;
    if (bytes.size() < 54 || bytes[28] != 8) return picture;
    picture.width = word(18);
    picture.height = word(22);
    const int offset = word(10);
    const int rowBytes = (picture.width + 3) / 4 * 4;
    if (bytes.size() < static_cast<std::size_t>(offset + rowBytes * picture.height)) return {};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels.push_back(bytes[static_cast<std::size_t>(offset + (picture.height - 1 - y) * rowBytes + x)]);
    return picture;
}

// Where one zone meets another across a line of the picture, the spot on
// the inner side of the edge is a pixel of that line and the one on the
// outer side is floor: a mark drawn on a line counts on the side of the lane
// or arc the line belongs to, and one beside it on the other.
TEST(ShotZones, EdgesRunAlongTheLinesOfEachCourtPicture) {
    constexpr int kLine = 1;  // palette index of the court's lines
    for (const ThreePointArc arc : {kNone, kCollege, kPro}) {
        const int id = scoring::courtPictureId(static_cast<int>(arc), 0);
        const IndexedPicture court = readCourt(id);
        ASSERT_EQ(court.width, scoring::kUprightCourt.width) << id;
        ASSERT_EQ(court.height, scoring::kUprightCourt.height) << id;
        auto inner = [&](int x, int y) {
            return scoring::inLane({x, y}) * 2 + scoring::insideThreePointLine({x, y}, arc);
        };
        int edges = 0;
        // The half of the top basket, inside the sidelines and the end line.
        for (int y = 4; y < 100; ++y) {
            for (int x = 3; x < 116; ++x) {
                for (const CourtPoint next : {CourtPoint{x + 1, y}, CourtPoint{x, y + 1}}) {
                    const int here = inner(x, y);
                    const int there = inner(next.x, next.y);
                    if (here == there || next.y >= 100 || next.x >= 116) continue;
                    ++edges;
                    const CourtPoint in = here > there ? CourtPoint{x, y} : next;
                    const CourtPoint out = here > there ? next : CourtPoint{x, y};
                    EXPECT_EQ(court.at(in.x, in.y), kLine) << "picture " << id << " at " << in.x << "," << in.y;
                    // The free-throw circle meets the lane just below its corners.
                    const bool circle = out.y == 48 && (out.x == 45 || out.x == 73);
                    if (!circle) {
                        EXPECT_NE(court.at(out.x, out.y), kLine) << "picture " << id << " at " << out.x << "," << out.y;
                    }
                }
            }
        }
        EXPECT_GT(edges, 50) << id;
    }
}

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
