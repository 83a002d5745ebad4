#include "cli/StatsRequest.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "core/records/Cp1252.h"
#include "cli/ExitStatus.h"

namespace courtlog::cli {

namespace {

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec) || ec == std::errc::permission_denied;
}

}  // namespace

bool takeOptionValue(const std::vector<std::string>& args, std::size_t& i, std::string& value, std::string& error) {
    if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = args[i] + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

Stat StatsRequest::selection() const {
    Stat stat;
    // Names come in as UTF-8 and are held as the records hold them.
    stat.setTeamName(allTeams ? std::string(Stat::kAllTeamsName) : utf8ToCp1252(team));
    stat.setAllTeams(allTeams);
    for (const std::string& game : games) stat.addFile(game);
    return stat;
}

bool readGamesAndOptions(const std::vector<std::string>& args, std::vector<std::string>& games,
                         const std::function<bool(std::size_t& i)>& option) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            games.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (!option(i)) {
            return false;
        }
    }
    return true;
}

bool takeOnce(bool& given, const std::string& option, std::string& error) {
    if (given) {
        error = option + " may be given once";
        return false;
    }
    given = true;
    return true;
}

bool parseStatsRequest(const std::vector<std::string>& args, StatsWords words, StatsRequest& request,
                       std::string& error) {
    bool setChosen = false;
    bool outputChosen = false;
    const bool optionsRead = readGamesAndOptions(args, request.games, [&](std::size_t& i) {
        const std::string& arg = args[i];
        if (arg == "--team") {
            if (!takeOnce(request.haveTeam, arg, error)) return false;
            if (i + 1 >= args.size()) {
                error = "--team needs a team name";
                return false;
            }
            request.team = args[++i];
        } else if (arg == "--opponents" || arg == "--combined") {
            const auto set = arg == "--opponents" ? stats::StatisticsTab::Opponents : stats::StatisticsTab::Combined;
            if (setChosen && request.set != set) {
                error = "Give --opponents or --combined, not both";
                return false;
            }
            request.set = set;
            setChosen = true;
        } else if (arg == "--all") {
            request.allTeams = true;
        } else if (words == StatsWords::Exports && (arg == "--csv" || arg == "--html" || arg == "--benchboss")) {
            if (outputChosen) {
                error = "Give one of --csv, --html and --benchboss";
                return false;
            }
            request.output = arg == "--csv"    ? StatsRequest::Output::Csv
                             : arg == "--html" ? StatsRequest::Output::Html
                                               : StatsRequest::Output::Benchboss;
            if (!takeOptionValue(args, i, request.outPath, error)) return false;
            outputChosen = true;
        } else if (words == StatsWords::Exports && arg == "--settings") {
            return takeOnce(request.settingsGiven, arg, error) && takeOptionValue(args, i, request.settings, error);
        } else if (words == StatsWords::Printout && arg == "--fit") {
            request.fit = true;
        } else {
            error = "Unknown option: " + arg;
            return false;
        }
        return true;
    });
    if (!optionsRead) return false;
    if (request.haveTeam == request.allTeams) {
        error = "Give either --team NAME or --all";
        return false;
    }
    if (setChosen && request.allTeams) {
        error = std::string(request.set == stats::StatisticsTab::Opponents ? "--opponents" : "--combined") +
                " goes with --team only";
        return false;
    }
    if (request.games.empty()) {
        error = "Name at least one game file";
        return false;
    }
    return true;
}

GamesRead reportLoadProblems(const std::vector<Stat::LoadProblem>& problems, std::ostream& err) {
    // Only files that failed are checked for existence, so a long season
    // costs no extra look-up per file.
    bool missing = false;
    for (const Stat::LoadProblem& problem : problems) {
        if (!exists(problem.path)) {
            err << "No such game file: " << problem.path << "\n";
            missing = true;
        }
    }
    if (missing) return GamesRead::Missing;
    for (const Stat::LoadProblem& problem : problems) {
        // The reader's reason usually names the file already.
        const bool named = problem.reason.find(problem.path) != std::string::npos;
        err << "Can't load game ! "
            << (named ? problem.reason : problem.path + (problem.reason.empty() ? "" : ": " + problem.reason))
            << " (left out)\n";
    }
    return problems.empty() ? GamesRead::All : GamesRead::SomeLeftOut;
}

int statusAfterOutput(GamesRead read) { return read == GamesRead::All ? kExitDone : kExitFailed; }

}  // namespace courtlog::cli
