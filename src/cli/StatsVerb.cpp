#include <charconv>
#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/StatsExport.h"
#include "cli/StatsRequest.h"
#include "cli/Verbs.h"
#include "core/records/Cp1252.h"
#include "core/stats/Stat.h"

namespace courtlog::cli {

namespace {

constexpr const char* kUsage =
    "Usage: courtlog stats (--team NAME [--opponents|--combined] | --all) GAME...\n"
    "       [--csv OUT | --html OUT | --benchboss OUT] [--settings FILE]";

std::string jsonString(const std::string& recordText) {
    return nlohmann::ordered_json(cp1252ToUtf8(recordText)).dump(-1, ' ', false,
                                                                 nlohmann::ordered_json::error_handler_t::replace);
}

// A 32-bit value as the shortest text that reads back to the same float, so
// "2%" of 2 in 3 shows 66.666664, not rounded; whole values keep a ".0".
void appendFloat(std::string& out, float value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    const std::string_view text(buffer, ec == std::errc() ? static_cast<std::size_t>(end - buffer) : 0);
    if (!std::isfinite(value) || text.empty()) {
        out += "null";
        return;
    }
    out += text;
    if (text.find_first_of(".e") == std::string_view::npos) out += ".0";
}

void appendCount(std::string& out, long long value) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, ec == std::errc() ? end : buffer);
}

// {"lines": [...]} laid out as a JSON document dumped with an indent of two,
// keys in line order. Written by hand: a season has hundreds of lines of 45
// values, and this keeps the output a small part of the run.
void printLines(const Stat& stat, std::ostream& out) {
    const auto& columns = statColumns();
    std::string text = "{\n  \"lines\": [";
    bool first = true;
    for (const StatLine& line : stat.lines()) {
        text += first ? "\n    {" : ",\n    {";
        first = false;
        text += "\n      \"player\": " + jsonString(line.playerName);
        text += ",\n      \"team\": " + jsonString(line.teamName);
        text += ",\n      \"number\": ";
        appendCount(text, line.number);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            text += ",\n      \"";
            text += columns[i].key;
            text += "\": ";
            if (columns[i].isFloat) {
                appendFloat(text, statFloat(line, i));
            } else {
                appendCount(text, statCount(line, i));
            }
        }
        text += "\n    }";
        out << text;
        text.clear();
    }
    text += first ? "]\n}\n" : "\n  ]\n}\n";
    out << text << std::flush;
}

}  // namespace

int runStatsVerb(const std::vector<std::string>& args) {
    StatsRequest request;
    std::string error;
    if (!parseStatsRequest(args, StatsWords::Exports, request, error)) {
        std::cerr << error << "\n" << kUsage << "\n";
        return 2;
    }

    Stat stat = request.selection();
    Stat shown;
    if (request.set == stats::StatisticsTab::Combined) {
        Stat opponents = stat;
        opponents.Compute(true);
        stat.Compute(false);
        shown = Stat::combined(stat, opponents);
    } else {
        stat.Compute(request.set == stats::StatisticsTab::Opponents);
    }
    if (!reportLoadProblems(stat.loadProblems(), request.allTeams, std::cerr)) return 1;
    const Stat& result = request.set == stats::StatisticsTab::Combined ? shown : stat;
    if (request.output != StatsRequest::Output::Json) return writeStatsExport(request, result.lines(), std::cerr);
    printLines(result, std::cout);
    return 0;
}

}  // namespace courtlog::cli
