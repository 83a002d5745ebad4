#include "core/scoring/CourtGeometry.h"

#include <cmath>

namespace courtlog::scoring {

namespace {

using namespace court;

// Each test below is written as the picture's drawing tests it, so that a
// spot on the edge of a line falls on the same side as the pixel drawn there.
bool withinStraightLine(double distance, double line) { return std::abs(distance - line) <= kStraightLineReach; }
bool withinCurvedLine(double distance, double line) { return std::abs(distance - line) <= kCurvedLineReach; }

}  // namespace

ThreePointArc pictureArc(int threePointArc) {
    switch (threePointArc) {
    case 0:
        return ThreePointArc::None;
    case 2:
        return ThreePointArc::Pro;
    default:
        return ThreePointArc::College;
    }
}

CourtFeet feetFromTopEndLine(CourtPoint upright) {
    return {(upright.x - kMiddleColumn) / kPixelsPerFoot, (upright.y - kTopEndLineRow) / kPixelsPerFoot};
}

bool inLane(CourtPoint upright) {
    const auto [across, depth] = feetFromTopEndLine(upright);
    const double side = std::abs(across);
    if (side < kLaneHalfWidth && depth < kFreeThrowLine) return true;  // the paint
    if (depth > kFreeThrowLine + kStraightLineReach) return false;
    return withinStraightLine(side, kLaneHalfWidth) ||
           (withinStraightLine(depth, kFreeThrowLine) && side <= kLaneHalfWidth);
}

bool insideThreePointLine(CourtPoint upright, ThreePointArc arc) {
    const auto [across, depth] = feetFromTopEndLine(upright);
    const double side = std::abs(across);
    const double toBasket = std::hypot(across, depth - kBasketCentre);
    switch (arc) {
    case ThreePointArc::College:
        if (depth < kBasketCentre) return side < kCollegeArcRadius || withinStraightLine(side, kCollegeArcRadius);
        return toBasket < kCollegeArcRadius || withinCurvedLine(toBasket, kCollegeArcRadius);
    case ThreePointArc::Pro:
        if (depth <= threePointCornerDepth(ThreePointArc::Pro))
            return side < kProCornerDistance || withinStraightLine(side, kProCornerDistance);
        return toBasket < kProArcRadius || withinCurvedLine(toBasket, kProArcRadius);
    case ThreePointArc::None:
        break;
    }
    return false;
}

double threePointCornerDepth(ThreePointArc arc) {
    switch (arc) {
    case ThreePointArc::College:
        return kBasketCentre;
    case ThreePointArc::Pro:
        return kBasketCentre + std::sqrt(kProArcRadius * kProArcRadius - kProCornerDistance * kProCornerDistance);
    case ThreePointArc::None:
        break;
    }
    return 0;
}

bool levelWithCorner(CourtPoint upright, ThreePointArc arc) {
    const double depth = feetFromTopEndLine(upright).depth;
    switch (arc) {
    case ThreePointArc::College:
        return depth < kBasketCentre;
    case ThreePointArc::Pro:
        return depth <= threePointCornerDepth(ThreePointArc::Pro);
    case ThreePointArc::None:
        break;
    }
    return false;
}

}  // namespace courtlog::scoring
