#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/records/Settings.h"
#include "core/records/SettingsLocation.h"
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
    // Without --settings: the current folder's crtlog.ini, else the user's.
    std::string settings = verbSettingsFile();
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

// The words of a verb that names game files: a word that is no option, and
// every word after "--", is a game file added to games; each option goes to
// option(i) with i its place, which takes the words after it by moving i and
// gives false with the reason in error. False as soon as an option did.
bool readGamesAndOptions(const std::vector<std::string>& args, std::vector<std::string>& games,
                         const std::function<bool(std::size_t& i)>& option);

// An option that may be given once: marks it given, or gives false with
// "OPTION may be given once" in error when it was already.
bool takeOnce(bool& given, const std::string& option, std::string& error);

// args[i] is an option that takes a value: the next argument, which must not
// be empty, goes to value and i moves past it.
bool takeOptionValue(const std::vector<std::string>& args, std::size_t& i, std::string& value, std::string& error);

// How reading the named game files went, once the figures are computed.
enum class GamesRead {
    All,
    SomeLeftOut,  // the output is written without them, and the verb then fails
    Missing,      // the run ends before any output
};

// Damaged input is answered the same way by every verb that reads several
// game files: a file that does not exist ends the run with nothing written
// (each named on err, "No such game file: ..."); one that exists but does
// not load is left out of the figures and named on err ("Can't load game !
// ... (left out)"), the verb writes the rest of its output, then exits 1.
GamesRead reportLoadProblems(const std::vector<Stat::LoadProblem>& problems, std::ostream& err);
// The exit status of a verb that wrote its output: done, or failed when a game was left out.
int statusAfterOutput(GamesRead read);

}  // namespace courtlog::cli
