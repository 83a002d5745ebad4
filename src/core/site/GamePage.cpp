#include "core/site/GamePage.h"

#include <algorithm>

#include "core/output/BoxScore.h"
#include "core/output/FixedWidthText.h"
#include "core/output/HtmlText.h"
#include "core/records/Cp1252.h"
#include "core/records/Game.h"
#include "core/records/PlayerEntry.h"

namespace courtlog::site {

namespace {

int highestPeriodOf(const std::vector<PlayEvent>& plays) {
    int highest = 0;
    for (const PlayEvent& play : plays) highest = std::max<int>(highest, play.period);
    return highest;
}

// The box score's columns after the player's name.
const std::vector<SiteColumn>& boxScoreColumns() {
    static const std::vector<SiteColumn> columns{
        {"Player", "", false},
        {"PP", "Periods played", true},
        {"TP", "Total points", true},
        {"2M", "Two-pointers made", true},
        {"2A", "Two-pointers attempted", true},
        {"2%", "Two-point percentage", true},
        {"3M", "Three-pointers made", true},
        {"3A", "Three-pointers attempted", true},
        {"3%", "Three-point percentage", true},
        {"FGM", "Field goals made", true},
        {"FGA", "Field goals attempted", true},
        {"FG%", "Field goal percentage", true},
        {"FTM", "Free throws made", true},
        {"FTA", "Free throws attempted", true},
        {"FT%", "Free throw percentage", true},
        {"AS", "Assists", true},
        {"OF", "Offensive fouls", true},
        {"DF", "Defensive fouls", true},
        {"TotF", "Total fouls, technical fouls included", true},
        {"OR", "Offensive rebounds", true},
        {"DR", "Defensive rebounds", true},
        {"TotR", "Total rebounds", true},
        {"ST", "Steals", true},
        {"BS", "Blocked shots", true},
        {"TO", "Turnovers", true},
    };
    return columns;
}

std::vector<std::string> boxScoreRow(const StatLine& line, bool totals) {
    const auto count = [](long long value) { return std::to_string(value); };
    const auto percent = [](float value) { return output::fixedPoint(value, 0); };
    return {recordHtml(output::BoxScore::rowName(line, totals)),
            count(line.pp),
            count(line.tp),
            count(line.twoM),
            count(line.twoA),
            percent(line.twoPct),
            count(line.threeM),
            count(line.threeA),
            percent(line.threePct),
            count(line.fgm),
            count(line.fga),
            percent(line.fgPct),
            count(line.ftm),
            count(line.fta),
            percent(line.ftPct),
            count(line.as),
            count(line.of),
            count(line.df),
            count(static_cast<long long>(line.of) + line.df + line.tf),
            count(line.oreb),
            count(line.dreb),
            count(static_cast<long long>(line.oreb) + line.dreb),
            count(line.st),
            count(line.bs),
            count(line.to)};
}

std::string teamTable(const Stat& stat, const std::string& teamHtml, bool home) {
    SiteTable table;
    table.captionHtml = teamHtml + (home ? " (home)" : " (visitor)");
    table.columns = boxScoreColumns();
    const std::vector<StatLine>& lines = stat.lines();
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) table.rows.push_back(boxScoreRow(lines[i], false));
    if (!lines.empty()) table.footRow = boxScoreRow(lines.back(), true);
    return table.html();
}

std::string periodTable(const Game& game, const std::string& homeHtml, const std::string& visitorHtml) {
    SiteTable table;
    table.captionHtml = "Score by period";
    table.columns.push_back({"Team", "", false});
    const std::vector<PeriodColumn> periods = periodColumns(game);
    for (const PeriodColumn& column : periods) table.columns.push_back({column.heading, "", true});
    table.columns.push_back({"Game Total", "", true});
    const auto row = [&](const std::string& team, bool home, int total) {
        std::vector<std::string> cells{team};
        for (const PeriodColumn& column : periods)
            cells.push_back(std::to_string(home ? game.homePointsInPeriod(column.period)
                                                : game.visitorPointsInPeriod(column.period)));
        cells.push_back(std::to_string(total));
        return cells;
    };
    table.rows.push_back(row(homeHtml, true, game.homeScore));
    table.rows.push_back(row(visitorHtml, false, game.visitorScore));
    return table.html();
}

std::string detail(std::string_view term, const std::string& html) {
    return html.empty() ? std::string() : "<dt>" + std::string(term) + "</dt><dd>" + html + "</dd>\n";
}

std::string detailsOf(const output::BoxScore& boxScore) {
    const Game& game = boxScore.game();
    const std::string weekday = boxScore.weekdayName();
    std::string date = dateText(game.year, game.month, game.day);
    if (!weekday.empty())
        date = weekday + ", " + boxScore.monthName() + " " + std::to_string(game.day) + ", " + std::to_string(game.year);
    std::string officials;
    for (const std::string* referee : {&game.referee1, &game.referee2, &game.referee3}) {
        const std::string name = trimmedName(*referee);
        if (name.empty()) continue;
        officials += (officials.empty() ? "" : ", ") + recordHtml(name);
    }
    std::string out = "<h2>Details</h2>\n<dl class=\"details\">\n";
    out += detail("Date", output::htmlText(date));
    out += detail("Time", timeText(game.hour, game.minute));
    out += detail("Court", recordHtml(trimmedName(game.court)));
    out += detail("Attendance", recordHtml(trimmedName(game.attendance)));
    out += detail("Officials", officials);
    out += detail("Game file", output::htmlText(boxScore.fileBaseName()));
    return out + "</dl>\n";
}

}  // namespace

std::vector<PeriodColumn> periodColumns(const Game& game) {
    std::vector<PeriodColumn> columns;
    if (game.halves != 0) {
        columns = {{"Half1", 0}, {"Half2", 2}};
    } else {
        columns = {{"Qtr1", 0}, {"Qtr2", 1}, {"Qtr3", 2}, {"Qtr4", 3}};
    }
    const int highest = std::max(highestPeriodOf(game.homeEvents), highestPeriodOf(game.visitorEvents));
    const int lastOvertime = std::min(highest, 3 + kMaxOvertimeColumns);
    for (int period = 4; period <= lastOvertime; ++period)
        columns.push_back({"OT" + std::to_string(period - 3), period});
    return columns;
}

std::string gamePage(const SiteFrame& frame, const output::BoxScore& boxScore, const GamePageLinks& links) {
    const Game& game = boxScore.game();
    const std::string home = recordHtml(game.homeName);
    const std::string visitor = recordHtml(game.visitorName);
    const std::string homeLink = linkHtml(links.homePage, home);
    const std::string visitorLink = linkHtml(links.visitorPage, visitor);
    const std::string title = cp1252ToUtf8(game.homeName) + " vs " + cp1252ToUtf8(game.visitorName) + ", " +
                              dateText(game.year, game.month, game.day);
    std::string out = pageStart(frame, title);
    out += "<h1>" + homeLink + " " + std::to_string(game.homeScore) + " vs " + visitorLink + " " +
           std::to_string(game.visitorScore) + "</h1>\n";
    out += periodTable(game, homeLink, visitorLink);
    out += "<h2>Box score</h2>\n";
    out += teamTable(boxScore.homeStats(), home, true);
    out += teamTable(boxScore.visitorStats(), visitor, false);
    out += detailsOf(boxScore);
    return out + pageEnd(frame);
}

}  // namespace courtlog::site
