#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/records/Codes.h"
#include "core/scoring/ShotSpot.h"

namespace courtlog::scoring {
namespace {

struct OrientationCase {
    int orientation;
    PictureSize shown;
    CourtPoint endLine;
};

void PrintTo(const OrientationCase& c, std::ostream* os) { *os << "court turned " << c.orientation << " degrees"; }

std::string turnName(const ::testing::TestParamInfo<OrientationCase>& info) {
    return "Turned" + std::to_string(info.param.orientation);
}

class ShotSpotOrientation : public ::testing::TestWithParam<OrientationCase> {};

TEST_P(ShotSpotOrientation, ShownSizeAndEndLine) {
    const OrientationCase& c = GetParam();
    EXPECT_EQ(shownCourtSize(c.orientation), c.shown);
    EXPECT_EQ(attackedEndLineMiddle(c.orientation, c.shown), c.endLine);
}

TEST_P(ShotSpotOrientation, AttackedEndLineIsTheUprightTopEndLine) {
    const OrientationCase& c = GetParam();
    EXPECT_EQ(toUpright(c.endLine, c.orientation, c.shown), kUprightEndLineMiddle);
    EXPECT_EQ(toShown(kUprightEndLineMiddle, c.orientation, c.shown), c.endLine);
}

TEST_P(ShotSpotOrientation, EveryPointOfTheCourtSurvivesTheRoundTrip) {
    const OrientationCase& c = GetParam();
    for (int x = 0; x <= kUprightCourt.width; ++x) {
        for (int y = 0; y <= kUprightCourt.height; ++y) {
            const CourtPoint shown = toShown({x, y}, c.orientation, c.shown);
            ASSERT_GE(shown.x, 0);
            ASSERT_LE(shown.x, c.shown.width);
            ASSERT_GE(shown.y, 0);
            ASSERT_LE(shown.y, c.shown.height);
            ASSERT_EQ(toUpright(shown, c.orientation, c.shown), (CourtPoint{x, y})) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFour, ShotSpotOrientation,
                         ::testing::Values(OrientationCase{0, {118, 199}, {59, 3}},
                                           OrientationCase{90, {199, 118}, {196, 59}},
                                           OrientationCase{180, {118, 199}, {59, 196}},
                                           OrientationCase{270, {199, 118}, {3, 59}}),
                         turnName);

TEST(ShotSpot, ClicksLandWhereTheCourtIsTurned) {
    // The far half of the court stays far: a shot from beyond half court
    // keeps its large y in every orientation.
    EXPECT_EQ(toUpright({59, 150}, 0, {118, 199}), (CourtPoint{59, 150}));
    EXPECT_EQ(toUpright({49, 59}, 90, {199, 118}), (CourtPoint{59, 150}));
    EXPECT_EQ(toUpright({59, 49}, 180, {118, 199}), (CourtPoint{59, 150}));
    EXPECT_EQ(toUpright({150, 59}, 270, {199, 118}), (CourtPoint{59, 150}));
    // The left sideline of the upright court is the top of the turned one
    // when attacking right, the bottom when attacking left.
    EXPECT_EQ(toUpright({150, 2}, 90, {199, 118}), (CourtPoint{2, 49}));
    EXPECT_EQ(toUpright({49, 116}, 270, {199, 118}), (CourtPoint{2, 49}));
}

TEST(ShotSpot, RotatingFourTimesComesBackUpright) {
    int orientation = 0;
    const int expected[] = {90, 180, 270, 0};
    for (int turn : expected) {
        orientation = nextOrientation(orientation);
        EXPECT_EQ(orientation, turn);
    }
    EXPECT_EQ(nextOrientation(45), 90);  // stray values count as upright
    EXPECT_FALSE(isTurned(45));
}

TEST(ShotSpot, DefaultSpotsAndFieldGoalTries) {
    EXPECT_EQ(defaultShotSpot(TwoPointMade), (CourtPoint{57, 47}));
    EXPECT_EQ(defaultShotSpot(TwoPointMissed), (CourtPoint{57, 47}));
    EXPECT_EQ(defaultShotSpot(ThreePointMade), (CourtPoint{57, 77}));
    EXPECT_EQ(defaultShotSpot(ThreePointMissed), (CourtPoint{57, 77}));
    const bool tries[] = {false, true, true, false, true, true, false, false};
    for (int result = 0; result <= 7; ++result) EXPECT_EQ(isFieldGoalAttempt(result), tries[result]) << result;
}

TEST(ShotSpot, APlayKeepsItsSpotInSixteenBitsWithoutWrapping) {
    PlayEvent play;
    storeShotSpot(play, {57, 199});
    EXPECT_EQ(shotSpotOf(play), (CourtPoint{57, 199}));
    storeShotSpot(play, {40000, -40000});
    EXPECT_EQ(play.shotX, 32767);
    EXPECT_EQ(play.shotY, -32768);
}

}  // namespace
}  // namespace courtlog::scoring
