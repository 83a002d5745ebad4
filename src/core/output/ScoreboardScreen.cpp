#include "core/output/ScoreboardScreen.h"

#include "core/output/HtmlText.h"
#include "core/records/Cp1252.h"
#include "core/scoring/ConsoleFigures.h"

namespace courtlog::output {

namespace {

// Sizes follow the screen (vh, vw), so the page fills a 1280 x 720 screen
// as it fills a 1920 x 1080 one; the min() keeps a narrow screen's scores
// inside their columns.
constexpr const char* kScreenStyle =
    "html, body { margin: 0; height: 100%; overflow: hidden; background: #05080f; color: #f2f4f8; }\n"
    "body { font-family: \"DejaVu Sans\", Arial, Helvetica, sans-serif; }\n"
    ".board { box-sizing: border-box; height: 100vh; padding: 4vh 3vw; display: grid;\n"
    "  grid-template-columns: minmax(0, 1fr) auto minmax(0, 1fr); column-gap: 3vw; align-items: center; }\n"
    ".team { text-align: center; display: flex; flex-direction: column; align-items: center; gap: 2vh; }\n"
    ".name { font-size: min(8vh, 3.6vw); font-weight: bold; line-height: 1.1; min-height: 2.2em;\n"
    "  display: flex; align-items: center; justify-content: center; overflow-wrap: anywhere; }\n"
    ".score { font-size: min(36vh, 17vw); font-weight: bold; line-height: 1; color: #ffc400;\n"
    "  font-variant-numeric: tabular-nums; }\n"
    ".fouls { font-size: min(6.5vh, 3vw); }\n"
    ".fouls b { font-size: 1.4em; }\n"
    ".bonus { font-size: min(5.5vh, 2.6vw); font-weight: bold; min-height: 1.3em; }\n"
    ".bonus span { background: #ffc400; color: #05080f; padding: 0 0.4em; border-radius: 0.2em; }\n"
    ".timeouts { font-size: min(5vh, 2.4vw); color: #c9d3e0; }\n"
    ".timeouts b { color: #f2f4f8; white-space: nowrap; }\n"
    ".period { text-align: center; border: 0.4vh solid #3a4660; border-radius: 2vh; padding: 3vh 2.5vw; }\n"
    ".period .word { font-size: min(6vh, 2.8vw); text-transform: uppercase; letter-spacing: 0.08em; }\n"
    ".period .number { font-size: min(24vh, 11vw); font-weight: bold; line-height: 1; }\n";

std::string teamColumn(const scoring::TeamConsoleFigures& figures, const LeagueOptions& league, const char* side) {
    std::string out = "<div class=\"team " + std::string(side) + "\">\n";
    out += "<div class=\"name\">" + htmlText(cp1252ToUtf8(figures.name)) + "</div>\n";
    out += "<div class=\"score\">" + std::to_string(figures.score) + "</div>\n";
    out += "<div class=\"fouls\">Team fouls <b>" + std::to_string(figures.teamFouls) + "</b></div>\n";
    // The line stays when empty, so nothing moves when a bonus begins.
    out += "<div class=\"bonus\">";
    if (!figures.bonus.empty()) out += "<span>" + htmlText(figures.bonus) + "</span>";
    out += "</div>\n";
    out += "<div class=\"timeouts\">Time outs left: <b>" +
           htmlText(timeOutsLeftWords(figures.fullTimeOutsLeft, figures.shortTimeOutsLeft, league)) +
           "</b></div>\n";
    return out + "</div>\n";
}

}  // namespace

std::string timeOutsLeftWords(int fullLeft, int shortLeft, const LeagueOptions& league) {
    if (league.shortTimeOuts <= 0) return std::to_string(fullLeft);
    return std::to_string(fullLeft) + " full, " + std::to_string(shortLeft) + " short";
}

ScreenPeriod screenPeriod(int currentPeriod, bool halves) {
    if (currentPeriod >= 4) return {"Overtime", std::to_string(currentPeriod - 3)};
    const int inRegulation = currentPeriod < 0 ? 0 : currentPeriod;
    if (halves) return {"Half", inRegulation < 2 ? "1" : "2"};
    return {"Quarter", std::to_string(inRegulation + 1)};
}

std::string scoreboardScreenHtml(const Game& game, const LeagueOptions& league) {
    const ScreenPeriod period = screenPeriod(game.currentPeriod, game.halves != 0);
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta http-equiv=\"refresh\" content=\"1\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<title>Scoreboard</title>\n<style>\n";
    out += kScreenStyle;
    out += "</style>\n</head>\n<body>\n<div class=\"board\">\n";
    out += teamColumn(scoring::teamConsoleFigures(game, true, league), league, "home");
    out += "<div class=\"period\">\n<div class=\"word\">" + htmlText(period.word) + "</div>\n<div class=\"number\">" +
           htmlText(period.number) + "</div>\n</div>\n";
    out += teamColumn(scoring::teamConsoleFigures(game, false, league), league, "visitor");
    out += "</div>\n</body>\n</html>\n";
    return out;
}

}  // namespace courtlog::output
