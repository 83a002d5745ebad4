#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "core/records/Settings.h"
#include "core/stats/Stat.h"
#include "core/stats/StatisticsSets.h"

// The words that choose statistics on the command line, shared by "stats"
// and "pdf stats":
//   (--team NAME [--opponents|--combined] | --all) GAME...
// with, for "stats", one of --csv OUT, --html OUT, --benchboss OUT and
// --settings FILE, and for "pdf stats" --fit.
namespace courtlog::cli {

struct StatsRequest {
    enum class Output { Json, Csv, Html, Benchboss };

    std::string team;  // as typed (UTF-8)
    bool haveTeam = false;
    bool allTeams = false;
    stats::StatisticsTab set = stats::StatisticsTab::Team;
    std::vector<std::string> games;

    Output output = Output::Json;
    std::string outPath;
    // The program reads its settings from the folder it was started in.
    std::string settings = Settings::kFileName;
    bool settingsGiven = false;
    bool fit = false;

    // The selection as the statistics viewer gets it: the files, the team
    // held as the records hold names, and the all-teams flag.
    Stat selection() const;
};

// Which words a verb accepts beyond the choice of statistics.
enum class StatsWords { Exports, Printout };

// Options may stand anywhere; "--" ends them, so a game file may start with
// '-'. False with the reason in error on wrong usage.
bool parseStatsRequest(const std::vector<std::string>& args, StatsWords words, StatsRequest& request,
                       std::string& error);

// After computing: a file that does not exist ends the run (each named on
// err, result false); one that does not load is reported as a warning and
// counts as the statistics say (skipped, or a game without plays for all
// teams).
// args[i] is an option that takes a value: the next argument, which must not
// be empty, goes to value and i moves past it.
bool takeOptionValue(const std::vector<std::string>& args, std::size_t& i, std::string& value, std::string& error);

bool reportLoadProblems(const std::vector<Stat::LoadProblem>& problems, bool allTeams, std::ostream& err);

}  // namespace courtlog::cli
