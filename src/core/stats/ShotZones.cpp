#include "core/stats/ShotZones.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace courtlog::stats {

using scoring::CourtPoint;
using scoring::ThreePointArc;

ShotZone shotZone(CourtPoint upright, ThreePointArc arc) {
    if (scoring::inLane(upright)) return ShotZone::InsideLane;
    if (arc == ThreePointArc::None) return ShotZone::OutsideLane;
    const bool left = upright.x < scoring::court::kMiddleColumn;
    if (scoring::insideThreePointLine(upright, arc)) return left ? ShotZone::MidRangeLeft : ShotZone::MidRangeRight;
    if (scoring::levelWithCorner(upright, arc)) return left ? ShotZone::ThreeLeftCorner : ShotZone::ThreeRightCorner;
    return ShotZone::ThreeAboveBreak;
}

std::string_view shotZoneName(ShotZone zone) {
    switch (zone) {
    case ShotZone::InsideLane:
        return "Inside the Lane";
    case ShotZone::MidRangeLeft:
        return "Mid-Range Left";
    case ShotZone::MidRangeRight:
        return "Mid-Range Right";
    case ShotZone::ThreeLeftCorner:
        return "Three Left Corner";
    case ShotZone::ThreeRightCorner:
        return "Three Right Corner";
    case ShotZone::ThreeAboveBreak:
        return "Three Above the Break";
    case ShotZone::OutsideLane:
        break;
    }
    return "Outside the Lane";
}

std::vector<ShotZone> zonesOf(ThreePointArc arc) {
    if (arc == ThreePointArc::None) return {ShotZone::InsideLane, ShotZone::OutsideLane};
    return {ShotZone::InsideLane,      ShotZone::MidRangeLeft,     ShotZone::MidRangeRight,
            ShotZone::ThreeLeftCorner, ShotZone::ThreeRightCorner, ShotZone::ThreeAboveBreak};
}

std::vector<ZoneTally> tallyZones(const std::vector<ShotMark>& made, const std::vector<ShotMark>& missed,
                                  ThreePointArc arc) {
    std::vector<ZoneTally> tallies;
    for (ShotZone zone : zonesOf(arc)) tallies.push_back({zone, 0, 0});
    auto add = [&](const ShotMark& mark, bool isMade) {
        const ShotZone zone = shotZone({mark.x, mark.y}, arc);
        for (ZoneTally& tally : tallies) {
            if (tally.zone != zone) continue;
            // Held at the largest count rather than wrapping round.
            if (tally.attempted < std::numeric_limits<std::int32_t>::max()) {
                ++tally.attempted;
                if (isMade) ++tally.made;
            }
        }
    };
    for (const ShotMark& mark : made) add(mark, true);
    for (const ShotMark& mark : missed) add(mark, false);
    return tallies;
}

std::string zoneShotsText(const ZoneTally& tally) {
    return std::to_string(tally.made) + "/" + std::to_string(tally.attempted);
}

std::string zonePercentText(const ZoneTally& tally) {
    if (tally.attempted <= 0) return "-";
    char text[16];
    std::snprintf(text, sizeof text, "%.1f%%", 100.0 * tally.made / tally.attempted);
    return text;
}

}  // namespace courtlog::stats
