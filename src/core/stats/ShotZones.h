#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/scoring/CourtGeometry.h"
#include "core/stats/ShotMark.h"

namespace courtlog::stats {

// Parts of the court a shot chart sums up, judged on the court picture of
// the league's arc (the picture's lines decide: a spot on the lane line is
// in the lane, one on the three-point line inside it). Left and right are
// as the upright picture shows them, which is also the shooter's left and
// right; the middle column counts to the right. Spots past half court are
// far from the top basket: above the break, or outside the lane.
enum class ShotZone {
    InsideLane,
    MidRangeLeft,
    MidRangeRight,
    ThreeLeftCorner,
    ThreeRightCorner,
    ThreeAboveBreak,
    OutsideLane,  // without an arc: everything that is not in the lane
};

ShotZone shotZone(scoring::CourtPoint upright, scoring::ThreePointArc arc);
std::string_view shotZoneName(ShotZone zone);
// The zones the chart lists for arc, in list order.
std::vector<ShotZone> zonesOf(scoring::ThreePointArc arc);

struct ZoneTally {
    ShotZone zone = ShotZone::InsideLane;
    std::int32_t made = 0;
    std::int32_t attempted = 0;
    bool operator==(const ZoneTally&) const = default;
};

// Made and attempted per zone of arc for the marks given (made and missed
// as shown), every zone listed, in list order.
std::vector<ZoneTally> tallyZones(const std::vector<ShotMark>& made, const std::vector<ShotMark>& missed,
                                  scoring::ThreePointArc arc);

// "3/7" and "42.9%" (one decimal; "-" when nothing was attempted).
std::string zoneShotsText(const ZoneTally& tally);
std::string zonePercentText(const ZoneTally& tally);

}  // namespace courtlog::stats
