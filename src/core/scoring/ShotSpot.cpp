#include "core/scoring/ShotSpot.h"

#include "core/records/Codes.h"
#include "core/records/FieldText.h"

namespace courtlog::scoring {

int normalOrientation(int orientation) {
    switch (orientation) {
    case 90:
    case 180:
    case 270:
        return orientation;
    default:
        return 0;
    }
}

int nextOrientation(int orientation) {
    const int current = normalOrientation(orientation);
    return current == 270 ? 0 : current + 90;
}

bool isTurned(int orientation) {
    const int current = normalOrientation(orientation);
    return current == 90 || current == 270;
}

PictureSize shownCourtSize(int orientation) {
    if (isTurned(orientation)) return {kUprightCourt.height, kUprightCourt.width};
    return kUprightCourt;
}

CourtPoint attackedEndLineMiddle(int orientation, PictureSize shown) {
    switch (normalOrientation(orientation)) {
    case 90:
        return {shown.width - 3, shown.height / 2};
    case 180:
        return {shown.width / 2, shown.height - 3};
    case 270:
        return {3, shown.height / 2};
    default:
        return {shown.width / 2, 3};
    }
}

CourtPoint toUpright(CourtPoint shown, int orientation, PictureSize size) {
    const int x = shown.x;
    const int y = shown.y;
    switch (normalOrientation(orientation)) {
    case 90:
        return {y, size.width - x};
    case 180:
        return {size.width - x, size.height - y};
    case 270:
        return {size.height - y, x};
    default:
        return shown;
    }
}

CourtPoint toShown(CourtPoint upright, int orientation, PictureSize size) {
    const int x = upright.x;
    const int y = upright.y;
    switch (normalOrientation(orientation)) {
    case 90:
        return {size.width - y, x};
    case 180:
        return {size.width - x, size.height - y};
    case 270:
        return {y, size.height - x};
    default:
        return upright;
    }
}

bool isFieldGoalAttempt(int shotResult) {
    return shotResult == TwoPointMade || shotResult == ThreePointMade || shotResult == TwoPointMissed ||
           shotResult == ThreePointMissed;
}

CourtPoint defaultShotSpot(int shotResult) {
    if (shotResult == TwoPointMade || shotResult == TwoPointMissed) return kDefaultTwoPointSpot;
    return kDefaultThreePointSpot;
}

CourtPoint shotSpotOf(const PlayEvent& play) { return {play.shotX, play.shotY}; }

void storeShotSpot(PlayEvent& play, CourtPoint spot) {
    play.shotX = toInt16(spot.x);
    play.shotY = toInt16(spot.y);
}

}  // namespace courtlog::scoring
