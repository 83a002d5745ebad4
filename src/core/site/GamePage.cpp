#include "core/site/GamePage.h"

#include <algorithm>
#include <cmath>

#include "core/output/BoxScore.h"
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

void boxScoreRow(SiteTable& table, const StatLine& line, bool totals) {
    // Whole percentages rounded as the box score's "%3.0f" rounds them (to
    // the nearest, halves to even).
    const auto percent = [&table](float value) { table.cell(std::lrint(static_cast<double>(value))); };
    table.cell(recordHtml(output::BoxScore::rowName(line, totals))).cell(line.pp).cell(line.tp);
    table.cell(line.twoM).cell(line.twoA);
    percent(line.twoPct);
    table.cell(line.threeM).cell(line.threeA);
    percent(line.threePct);
    table.cell(line.fgm).cell(line.fga);
    percent(line.fgPct);
    table.cell(line.ftm).cell(line.fta);
    percent(line.ftPct);
    table.cell(line.as).cell(line.of).cell(line.df).cell(static_cast<long long>(line.of) + line.df + line.tf);
    table.cell(line.oreb).cell(line.dreb).cell(static_cast<long long>(line.oreb) + line.dreb);
    table.cell(line.st).cell(line.bs).cell(line.to).endRow();
}

void teamTable(std::string& page, const Stat& stat, const std::string& teamHtml, bool home) {
    SiteTable table(page, teamHtml + (home ? " (home)" : " (visitor)"), boxScoreColumns());
    const std::vector<StatLine>& lines = stat.lines();
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) boxScoreRow(table, lines[i], false);
    if (!lines.empty()) boxScoreRow(table.startFoot(), lines.back(), true);
    table.end();
}

void periodTable(std::string& page, const Game& game, const std::string& homeHtml, const std::string& visitorHtml) {
    const std::vector<PeriodColumn> periods = periodColumns(game);
    std::vector<SiteColumn> columns{{"Team", "", false}};
    for (const PeriodColumn& column : periods) columns.push_back({column.heading, "", true});
    columns.push_back({"Game Total", "", true});
    SiteTable table(page, "Score by period", columns);
    const auto row = [&](const std::string& team, bool home, int total) {
        table.cell(team);
        for (const PeriodColumn& column : periods)
            table.cell(home ? game.homePointsInPeriod(column.period) : game.visitorPointsInPeriod(column.period));
        table.cell(total).endRow();
    };
    row(homeHtml, true, game.homeScore());
    row(visitorHtml, false, game.visitorScore());
    table.end();
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
    const int highest = std::max(highestPeriodOf(game.homeEvents()), highestPeriodOf(game.visitorEvents()));
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
    out.reserve(16384);
    out += "<h1>" + homeLink + " " + std::to_string(game.homeScore()) + " vs " + visitorLink + " " +
           std::to_string(game.visitorScore()) + "</h1>\n";
    periodTable(out, game, homeLink, visitorLink);
    out += "<h2>Box score</h2>\n";
    teamTable(out, boxScore.homeStats(), home, true);
    teamTable(out, boxScore.visitorStats(), visitor, false);
    out += detailsOf(boxScore);
    return out + pageEnd(frame);
}

}  // namespace courtlog::site
