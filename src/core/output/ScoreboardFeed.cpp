#include "core/output/ScoreboardFeed.h"

#include <filesystem>

#include "core/output/HtmlText.h"
#include "core/output/ScoreboardScreen.h"
#include "core/records/Codes.h"
#include "core/records/Cp1252.h"
#include "core/records/SafeSave.h"
#include "core/scoring/ConsoleFigures.h"
#include "core/scoring/ConsoleSummary.h"

namespace courtlog::output {

namespace {

const Team& teamOf(const Game& game, bool home) { return home ? game.home : game.visitor; }

std::string teamName(const Game& game, bool home) { return cp1252ToUtf8(teamOf(game, home).name); }

std::string teamBlock(const scoring::TeamConsoleFigures& figures, const LeagueOptions& league, const char* side) {
    std::string out = "<div class=\"team " + std::string(side) + "\">\n";
    out += "<div class=\"name\">" + htmlText(cp1252ToUtf8(figures.name)) + "</div>\n";
    out += "<div class=\"score\">" + std::to_string(figures.score) + "</div>\n";
    out += "<div class=\"fouls\">Fouls " + std::to_string(figures.teamFouls);
    if (!figures.bonus.empty()) out += " <span class=\"bonus\">" + htmlText(figures.bonus) + "</span>";
    out += "</div>\n";
    out += "<div class=\"timeouts\">Time outs left: " +
           htmlText(timeOutsLeftWords(figures.fullTimeOutsLeft, figures.shortTimeOutsLeft, league)) + "</div>\n";
    return out + "</div>\n";
}

}  // namespace

std::string scoreboardPeriod(int currentPeriod, bool halves) {
    if (currentPeriod >= 4) return "OT" + std::to_string(currentPeriod - 3);
    const int inRegulation = currentPeriod < 0 ? 0 : currentPeriod;
    if (halves) return inRegulation < 2 ? "H1" : "H2";
    return "Q" + std::to_string(inRegulation + 1);
}

std::string scoreboardPlayText(const PlayEvent& event, bool home) {
    std::string text = home ? "Home" : "Visitor";
    const std::string kind(eventKindText(event.kind));
    if (event.kind == TimeOut || event.kind == ShortTimeOut) return text + ": " + kind;
    text += " #" + uniformText(event.player.number) + " " + cp1252ToUtf8(event.player.name) + ": ";
    const std::string_view detail = subKindText(event);
    if (event.kind == Assist || event.kind == Steal || event.kind == BlockedShot || detail.empty())
        return text + kind;
    return text + std::string(detail);
}

std::string scoreboardLine(const Game& game) {
    return teamName(game, true) + " " + std::to_string(game.homeScore()) + " - " +
           std::to_string(game.visitorScore()) + " " + teamName(game, false) + "  " +
           scoreboardPeriod(game.currentPeriod, game.halves != 0);
}

nlohmann::ordered_json scoreboardJson(const Game& game, const LeagueOptions& league, const std::string& updated,
                                      const std::string& lastPlay) {
    nlohmann::ordered_json out = scoring::consoleSummary(game, league);
    out["updated"] = updated;
    out["lastPlay"] = lastPlay;
    return out;
}

std::string scoreboardHtml(const Game& game, const LeagueOptions& league) {
    std::string out =
        "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta http-equiv=\"refresh\" content=\"1\">\n<title>Scoreboard</title>\n"
        "<style>\n"
        "html, body { background: transparent; margin: 0; }\n"
        "body { font-family: sans-serif; color: #fff; text-shadow: 0 0 4px #000; }\n"
        ".board { display: flex; align-items: center; gap: 1.5em; padding: 0.5em; }\n"
        ".team { text-align: center; }\n"
        ".name { font-size: 1.4em; }\n"
        ".score { font-size: 3em; font-weight: bold; }\n"
        ".period { font-size: 2em; }\n"
        ".bonus { color: #ffd000; font-weight: bold; }\n"
        "</style>\n</head>\n<body>\n<div class=\"board\">\n";
    out += teamBlock(scoring::teamConsoleFigures(game, true, league), league, "home");
    out += "<div class=\"period\">" + htmlText(scoreboardPeriod(game.currentPeriod, game.halves != 0)) +
           "</div>\n";
    out += teamBlock(scoring::teamConsoleFigures(game, false, league), league, "visitor");
    out += "</div>\n</body>\n</html>\n";
    return out;
}

ScoreboardFeedTexts scoreboardFeedTexts(const Game& game, const LeagueOptions& league, const std::string& updated,
                                        const std::string& lastPlay) {
    ScoreboardFeedTexts texts;
    texts.json = scoreboardJson(game, league, updated, lastPlay)
                     .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) +
                 "\n";
    texts.line = scoreboardLine(game) + "\n";
    texts.html = scoreboardHtml(game, league);
    texts.screen = scoreboardScreenHtml(game, league);
    return texts;
}

std::string isoLocalTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[40];
    char offset[8];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S", &local);
    std::strftime(offset, sizeof offset, "%z", &local);  // "+0100"
    std::string zone(offset);
    if (zone.size() == 5) zone.insert(3, ":");
    return std::string(stamp) + zone;
}

std::string scoreboardFolder(const std::string& chosenFolder, const std::string& gameFileName) {
    if (!chosenFolder.empty()) return chosenFolder;
    const std::filesystem::path folder = std::filesystem::path(gameFileName).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

bool writeScoreboardFeed(const std::string& folder, const ScoreboardFeedTexts& texts, std::string* error) {
    const std::filesystem::path base(folder);
    const std::pair<const char*, const std::string*> files[] = {
        {"scoreboard.json", &texts.json},
        {"scoreboard.txt", &texts.line},
        {"scoreboard.html", &texts.html},
        {"scoreboard-screen.html", &texts.screen}};
    for (const auto& [name, text] : files) {
        std::string reason;
        // The feed folder may be shared (/tmp): a link someone put there in
        // the feed's name is never written through.
        if (!safeSave((base / name).string(), *text, &reason, LinkPolicy::RefuseLinks)) {
            if (error) *error = "Can't write " + (base / name).string() + (reason.empty() ? "" : ": " + reason);
            return false;
        }
    }
    return true;
}

}  // namespace courtlog::output
