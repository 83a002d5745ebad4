#include "cli/ShotChartRequest.h"

#include <algorithm>
#include <ostream>

#include "cli/StatsRequest.h"
#include "core/records/Cp1252.h"

namespace courtlog::cli {

namespace {

// Options given so far that the request holds no flag for.
struct GivenOptions {
    bool period = false;
    bool kind = false;
};

bool parseOption(const std::vector<std::string>& args, std::size_t& i, ShotChartRequest& request,
                 GivenOptions& given, std::string& error) {
    const std::string& arg = args[i];
    std::string value;
    if (arg == "--team") {
        return takeOnce(request.haveTeam, arg, error) && takeOptionValue(args, i, request.team, error);
    } else if (arg == "--player") {
        return takeOnce(request.havePlayer, arg, error) && takeOptionValue(args, i, request.player, error);
    } else if (arg == "--opponents") {
        request.opponents = true;
    } else if (arg == "--all") {
        request.allTeams = true;
    } else if (arg == "--settings") {
        return takeOnce(request.settingsGiven, arg, error) && takeOptionValue(args, i, request.settings, error);
    } else if (arg == "--period") {
        if (!takeOnce(given.period, arg, error) || !takeOptionValue(args, i, value, error)) return false;
        const auto& choices = stats::periodChoices();
        const auto found =
            std::find_if(choices.begin(), choices.end(), [&](const stats::PeriodChoice& c) { return c.word == value; });
        if (found == choices.end()) {
            error = "Unknown period: " + value +
                    " (whole-game, first-half, second-half, first-quarter, second-quarter, third-quarter, "
                    "fourth-quarter or overtime)";
            return false;
        }
        request.period = static_cast<std::size_t>(found - choices.begin());
    } else if (arg == "--kind") {
        if (!takeOnce(given.kind, arg, error) || !takeOptionValue(args, i, value, error)) return false;
        if (value == "2s") {
            request.kind = stats::ShotKindChoice::Twos;
        } else if (value == "3s") {
            request.kind = stats::ShotKindChoice::Threes;
        } else if (value == "all") {
            request.kind = stats::ShotKindChoice::All;
        } else {
            error = "Unknown kind: " + value + " (2s, 3s or all)";
            return false;
        }
    } else {
        error = "Unknown option: " + arg;
        return false;
    }
    return true;
}

}  // namespace

stats::ShotAnalysis ShotChartRequest::analysis() const {
    stats::ShotAnalysis analysis;
    // Names come in as UTF-8 and are held as the records hold them.
    analysis.setTeamName(allTeams ? std::string(stats::ShotAnalysis::kAllTeamsName) : utf8ToCp1252(team));
    analysis.setAllTeams(allTeams);
    for (const std::string& game : games) analysis.addFile(game);
    return analysis;
}

stats::ShotSelection ShotChartRequest::selection() const {
    if (havePlayer) return stats::ShotSelection::player(utf8ToCp1252(player));
    return opponents ? stats::ShotSelection::opposingTeams() : stats::ShotSelection::wholeTeam();
}

stats::ShotChartFilter ShotChartRequest::filter() const {
    return stats::ShotChartFilter::of(stats::periodChoices()[period], kind);
}

bool parseShotChartRequest(const std::vector<std::string>& args, ShotChartRequest& request, std::string& error) {
    GivenOptions given;
    if (!readGamesAndOptions(args, request.games,
                             [&](std::size_t& i) { return parseOption(args, i, request, given, error); }))
        return false;
    if (request.haveTeam == request.allTeams) {
        error = "Give either --team NAME or --all";
        return false;
    }
    if (request.opponents && request.allTeams) {
        error = "--opponents goes with --team only";
        return false;
    }
    // The chart's list offers one player of the team, or the opposing teams.
    if (request.opponents && request.havePlayer) {
        error = "Give --player or --opponents, not both";
        return false;
    }
    if (request.games.empty()) {
        error = "Name at least one game file";
        return false;
    }
    return true;
}

bool readCourtArc(const ShotChartRequest& request, scoring::ThreePointArc& arc, std::string& error) {
    Settings settings;
    settings.setDefaults();
    // Without --settings, a missing settings file leaves the defaults.
    if (!settings.readSettings(request.settings, &error) && request.settingsGiven) return false;
    arc = scoring::pictureArc(settings.league.threePointArc);
    return true;
}

bool collectShots(const ShotChartRequest& request, stats::ShotAnalysis& analysis, std::ostream& err,
                  GamesRead& read) {
    const stats::ShotSelection selection = request.selection();
    analysis.collect(selection);
    std::vector<Stat::LoadProblem> problems;
    for (const auto& problem : analysis.loadProblems()) problems.push_back({problem.path, problem.reason});
    read = reportLoadProblems(problems, err);
    if (read == GamesRead::Missing) return false;
    if (selection.group == stats::ShotSelection::Group::Player) {
        const std::vector<std::string> names = analysis.rosterNames(false);
        if (std::find(names.begin(), names.end(), selection.playerName) == names.end()) {
            err << "No player " << request.player << " on the rosters of "
                << (request.allTeams ? std::string("any team") : request.team) << " in these games\n";
            return false;
        }
    }
    return true;
}

}  // namespace courtlog::cli
