#include <charconv>
#include <cstdio>
#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include "cli/StatsExport.h"
#include "cli/StatsRequest.h"
#include "cli/Verbs.h"
#include "core/records/Cp1252.h"
#include "core/records/JsonStreamWriter.h"
#include "core/stats/Stat.h"
#include "cli/ExitStatus.h"

namespace courtlog::cli {

namespace {

constexpr const char* kUsage =
    "Usage: courtlog stats (--team NAME [--opponents|--combined] | --all) GAME...\n"
    "       [--csv OUT | --html OUT | --benchboss OUT] [--settings FILE]";

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

}  // namespace

int runStatsVerb(const std::vector<std::string>& args) {
    StatsRequest request;
    std::string error;
    if (!parseStatsRequest(args, StatsWords::Exports, request, error)) {
        std::cerr << error << "\n" << kUsage << "\n";
        return kExitUsage;
    }

    Stat stat = request.selection();
    Stat shown;
    if (request.set == stats::StatisticsTab::Combined) {
        Stat opponents = stat;
        opponents.compute(true);
        stat.compute(false);
        shown = Stat::combined(stat, opponents);
    } else {
        stat.compute(request.set == stats::StatisticsTab::Opponents);
    }
    const GamesRead read = reportLoadProblems(stat.loadProblems(), std::cerr);
    if (read == GamesRead::Missing) return kExitFailed;
    const Stat& result = request.set == stats::StatisticsTab::Combined ? shown : stat;
    if (request.output != StatsRequest::Output::Json) {
        const int written = writeStatsExport(request, result.lines(), std::cerr);
        return written != 0 ? written : statusAfterOutput(read);
    }
    if (!printLines(result)) {
        std::cerr << "Can't write to standard output\n";
        return kExitFailed;
    }
    return statusAfterOutput(read);
}

}  // namespace courtlog::cli
