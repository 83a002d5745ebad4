#pragma once

#include <vector>

#include "core/scoring/CourtGeometry.h"
#include "core/stats/ShotAnalysis.h"
#include "core/stats/ShotChartFilter.h"
#include "core/stats/ShotZones.h"

namespace courtlog::stats {

// Everything one view of the shot chart shows: the marks the filter lets
// through, in collection order, and the zone figures of those marks. The
// window, its printout and the command line all show these.
struct ShotChartFigures {
    std::vector<ShotMark> made;
    std::vector<ShotMark> missed;
    std::vector<ZoneTally> zones;
};

ShotChartFigures shotChartFigures(const ShotAnalysis& analysis, const ShotChartFilter& filter,
                                  scoring::ThreePointArc arc);

}  // namespace courtlog::stats
