#pragma once

#include "core/scoring/ShotSpot.h"

namespace courtlog::scoring {

// The markings of the upright court, in the frame shot spots are stored in:
// a 50 by 84 ft court at 2.3 pixels per foot, the middle of the top end
// line at (59, 3). The court drawing takes every line from here, and
// whatever asks where a spot lies on the court (inside the lane, behind the
// arc) asks here too, so it answers as the drawing shows it: a spot on a
// line belongs to the line. A spot (x, y) is the square from (x, y) to
// (x + 1, y + 1); a line drawn along a row or column runs through its middle.
namespace court {
inline constexpr double kPixelsPerFoot = 2.3;
inline constexpr int kMiddleColumn = 59;      // the court's long axis
inline constexpr int kTopEndLineRow = 3;
inline constexpr int kBottomEndLineRow = 197;
inline constexpr int kHalfCourtRow = 100;
inline constexpr int kLeftSidelineColumn = 2;
inline constexpr int kRightSidelineColumn = 116;
inline constexpr double kLaneHalfWidth = 6.0;     // ft from the axis
inline constexpr double kFreeThrowLine = 19.0;    // ft from the end line
inline constexpr double kCircleRadius = 6.0;      // the centre circle and the free-throw circles
inline constexpr double kBackboardDepth = 4.0;    // ft from the end line
inline constexpr double kBackboardHalfWidth = 3.0;
inline constexpr double kRimRadius = 0.75;
inline constexpr double kBasketCentre = 5.25;     // ft from the end line, on the axis
inline constexpr double kCollegeArcRadius = 19.75;
inline constexpr double kProArcRadius = 23.75;
inline constexpr double kProCornerDistance = 22.0;  // ft from the axis
// A line covers the pixels within half a pixel of it; a curved line a
// little more, so that it shows no gaps.
inline constexpr double kStraightLineReach = 0.5 / kPixelsPerFoot;
inline constexpr double kCurvedLineReach = 0.55 / kPixelsPerFoot;
}  // namespace court

// The league's arc as the court shows it: 0 none, 1 college, 2 pro; any
// other value shows the college court.
enum class ThreePointArc { None = 0, College = 1, Pro = 2 };
ThreePointArc pictureArc(int threePointArc);

// A spot measured from the middle of the top end line: across (ft, negative
// to the left) and depth (ft down the court, negative behind the end line).
struct CourtFeet {
    double across = 0;
    double depth = 0;
};
CourtFeet feetFromTopEndLine(CourtPoint upright);

// In the painted lane under the top basket or on one of its lines.
bool inLane(CourtPoint upright);
// Within the three-point line of arc at the top basket or on it (a shot
// from the line counts two). False for every spot without an arc.
bool insideThreePointLine(CourtPoint upright, ThreePointArc arc);
// Level with the straight part of the three-point line (the corners):
// the college line runs straight to the basket's depth, the pro line until
// it meets the arc.
bool levelWithCorner(CourtPoint upright, ThreePointArc arc);
// How far from the end line the three-point line runs straight (ft): to the
// basket's depth for the college line, to where it meets the arc for the
// pro line; 0 without an arc.
double threePointCornerDepth(ThreePointArc arc);

}  // namespace courtlog::scoring
