#include "core/stats/ShotChartFigures.h"

namespace courtlog::stats {

ShotChartFigures shotChartFigures(const ShotAnalysis& analysis, const ShotChartFilter& filter,
                                  scoring::ThreePointArc arc) {
    ShotChartFigures figures;
    figures.made = shownMarks(analysis.madeShots(), filter);
    figures.missed = shownMarks(analysis.missedShots(), filter);
    figures.zones = tallyZones(figures.made, figures.missed, arc);
    return figures;
}

}  // namespace courtlog::stats
