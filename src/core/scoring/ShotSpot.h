#pragma once

#include <cstdint>

#include "core/records/Game.h"

namespace courtlog::scoring {

// A point on the court as shown, in pixels of the upright frame (or the
// same frame turned on its side) from its top-left corner.
struct CourtPoint {
    int x = 0;
    int y = 0;
    bool operator==(const CourtPoint&) const = default;
};

struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

// Shot spots are stored on the upright court (baskets at the top and the
// bottom), always as if the basket attacked were the top one: its end line
// has its middle at (59, 3).
inline constexpr PictureSize kUprightCourt{118, 199};
inline constexpr CourtPoint kUprightEndLineMiddle{59, 3};

// Spots kept when the scorekeeper is not asked or does not click.
inline constexpr CourtPoint kDefaultTwoPointSpot{57, 47};
inline constexpr CourtPoint kDefaultThreePointSpot{57, 77};

// Orientation of the court shown to the scorekeeper, in degrees turned:
// 0 upright, attacking up; 90 on its side, attacking right; 180 upright,
// attacking down; 270 on its side, attacking left. Any other value is taken
// as 0.
int normalOrientation(int orientation);
// The rotate button: 0 -> 90 -> 180 -> 270 -> 0.
int nextOrientation(int orientation);
// 90 and 270 show the court on its side.
bool isTurned(int orientation);

// Size of the court shown in orientation, in the upright frame's units: the
// upright court, or the same lying on its side.
PictureSize shownCourtSize(int orientation);

// Middle of the attacked end line on the shown picture of size shown.
CourtPoint attackedEndLineMiddle(int orientation, PictureSize shown);

// A click on the shown picture, as a point of the upright frame.
CourtPoint toUpright(CourtPoint shown, int orientation, PictureSize shownSize);
// Where an upright point lies on the shown picture (the inverse of toUpright).
CourtPoint toShown(CourtPoint upright, int orientation, PictureSize shownSize);

// Two- and three-point tries (made or missed) carry a spot; free throws not.
bool isFieldGoalAttempt(int shotResult);
// The spot a field-goal try starts from: (57, 47) for twos, (57, 77) for threes.
CourtPoint defaultShotSpot(int shotResult);

// A play keeps its spot in two 16-bit fields. These two are the only way
// between them and a court point: a coordinate beyond 16 bits is held at the
// edge of the range instead of wrapping round to the other end.
CourtPoint shotSpotOf(const PlayEvent& play);
void storeShotSpot(PlayEvent& play, CourtPoint spot);

}  // namespace courtlog::scoring
