#include <charconv>
#include <cstdio>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/Verbs.h"
#include "core/records/Cp1252.h"
#include "core/records/JsonStreamWriter.h"
#include "core/stats/Stat.h"

namespace courtlog::cli {

namespace {

constexpr const char* kUsage = "Usage: courtlog stats (--team NAME [--opponents] | --all) GAME...";

struct StatsRequest {
    std::string team;
    bool haveTeam = false;
    bool opponents = false;
    bool allTeams = false;
    std::vector<std::string> games;
};

// Options may stand anywhere; "--" ends them, so a game file may start with '-'.
bool parseArguments(const std::vector<std::string>& args, StatsRequest& request, std::string& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            request.games.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--team") {
            if (i + 1 >= args.size()) {
                error = "--team needs a team name";
                return false;
            }
            if (request.haveTeam) {
                error = "--team may be given once";
                return false;
            }
            request.team = args[++i];
            request.haveTeam = true;
        } else if (arg == "--opponents") {
            request.opponents = true;
        } else if (arg == "--all") {
            request.allTeams = true;
        } else {
            error = "Unknown option: " + arg;
            return false;
        }
    }
    if (request.haveTeam == request.allTeams) {
        error = "Give either --team NAME or --all";
        return false;
    }
    if (request.opponents && request.allTeams) {
        error = "--opponents goes with --team only";
        return false;
    }
    if (request.games.empty()) {
        error = "Name at least one game file";
        return false;
    }
    return true;
}

// A 32-bit value as the shortest text that reads back to the same float, so
// "2%" of 2 in 3 shows 66.666664, not rounded; whole values keep a ".0".
void writeFloat(JsonStreamWriter& out, float value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer - 2, value);
    std::size_t length = ec == std::errc() ? static_cast<std::size_t>(end - buffer) : 0;
    if (!std::isfinite(value) || length == 0) {
        out.null();
        return;
    }
    const std::string_view text(buffer, length);
    if (text.find_first_of(".e") == std::string_view::npos) {
        buffer[length++] = '.';
        buffer[length++] = '0';
    }
    out.rawValue(std::string_view(buffer, length));
}

// {"lines": [...]}, keys in line order, written as it goes: a season has
// hundreds of lines of 45 values.
bool printLines(const Stat& stat) {
    const auto& columns = statColumns();
    JsonStreamWriter out(writeToStandardOutput);
    out.beginObject();
    out.key("lines");
    out.beginArray();
    for (const StatLine& line : stat.lines()) {
        out.beginObject();
        out.cp1252Member("player", line.playerName);
        out.cp1252Member("team", line.teamName);
        out.member("number", line.number);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            out.checkedKey(columns[i].key);
            if (columns[i].isFloat) {
                writeFloat(out, statFloat(line, i));
            } else {
                out.number(statCount(line, i));
            }
        }
        out.endObject();
    }
    out.endArray();
    out.endObject();
    return out.finishDocument() && std::fflush(stdout) == 0;
}

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec) || ec == std::errc::permission_denied;
}

}  // namespace

int runStatsVerb(const std::vector<std::string>& args) {
    StatsRequest request;
    std::string error;
    if (!parseArguments(args, request, error)) {
        std::cerr << error << "\n" << kUsage << "\n";
        return 2;
    }

    Stat stat;
    // Names come in as UTF-8 and are held as the records hold them.
    stat.setTeamName(request.allTeams ? std::string(Stat::kAllTeamsName) : utf8ToCp1252(request.team));
    stat.setAllTeams(request.allTeams);
    for (const std::string& game : request.games) stat.AddFile(game);
    stat.Compute(request.opponents);

    // Only files that failed are checked for existence, so a long season
    // costs no extra look-up per file.
    bool missing = false;
    for (const Stat::LoadProblem& problem : stat.loadProblems()) {
        if (!exists(problem.path)) {
            std::cerr << "No such game file: " << problem.path << "\n";
            missing = true;
        }
    }
    if (missing) return 1;
    for (const Stat::LoadProblem& problem : stat.loadProblems()) {
        // The reader's reason usually names the file already.
        const bool named = problem.reason.find(problem.path) != std::string::npos;
        std::cerr << "Warning: "
                  << (named ? problem.reason
                            : "can't load game " + problem.path +
                                  (problem.reason.empty() ? "" : " (" + problem.reason + ")"))
                  << (request.allTeams ? "; counted as a game with no plays" : "; skipped") << "\n";
    }
    if (!printLines(stat)) {
        std::cerr << "Can't write to standard output\n";
        return 1;
    }
    return 0;
}

}  // namespace courtlog::cli
