#include <iostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/ShotChartRequest.h"
#include "cli/Verbs.h"
#include "core/stats/ShotChartFigures.h"
#include "cli/ExitStatus.h"

namespace courtlog::cli {

namespace {

constexpr const char* kUsage =
    "Usage: courtlog shots (--team NAME [--opponents] | --all) [--player NAME] [--period P]\n"
    "       [--kind 2s|3s|all] [--settings FILE] GAME...\n"
    "P: whole-game, first-half, second-half, first-quarter, second-quarter, third-quarter,\n"
    "   fourth-quarter or overtime";

nlohmann::ordered_json marksJson(const std::vector<stats::ShotMark>& marks) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const stats::ShotMark& mark : marks)
        list.push_back({{"x", mark.x}, {"y", mark.y}, {"period", mark.period}, {"result", mark.result}});
    return list;
}

}  // namespace

int runShotsVerb(const std::vector<std::string>& args) {
    ShotChartRequest request;
    std::string error;
    if (!parseShotChartRequest(args, request, error)) {
        std::cerr << error << "\n" << kUsage << "\n";
        return kExitUsage;
    }
    scoring::ThreePointArc arc{};
    if (!readCourtArc(request, arc, error)) {
        std::cerr << error << "\n";
        return kExitFailed;
    }
    stats::ShotAnalysis analysis = request.analysis();
    GamesRead read = GamesRead::All;
    if (!collectShots(request, analysis, std::cerr, read)) return kExitFailed;

    const stats::ShotChartFigures figures = stats::shotChartFigures(analysis, request.filter(), arc);
    nlohmann::ordered_json zones = nlohmann::ordered_json::array();
    for (const stats::ZoneTally& tally : figures.zones)
        zones.push_back({{"zone", stats::shotZoneName(tally.zone)}, {"made", tally.made}, {"attempted", tally.attempted}});
    const nlohmann::ordered_json out{{"made", marksJson(figures.made)},
                                     {"missed", marksJson(figures.missed)},
                                     {"shownMade", figures.made.size()},
                                     {"shownMissed", figures.missed.size()},
                                     {"zones", zones}};
    std::cout << out.dump(2) << "\n" << std::flush;
    return statusAfterOutput(read);
}

}  // namespace courtlog::cli
