#include "core/site/IndexPage.h"

#include <algorithm>

#include "core/output/HtmlText.h"
#include "core/output/ScheduleCalendar.h"
#include "core/site/Leaders.h"
#include "core/site/Season.h"
#include "core/site/Standings.h"
#include "core/stats/StatisticsColumns.h"

namespace courtlog::site {

namespace {

void standingsTable(std::string& page, const std::vector<Standing>& standings) {
    static const std::vector<SiteColumn> columns{
        {"Team", "", false},          {"GP", "Games played", true},        {"W", "Won", true},
        {"L", "Lost", true},          {"Pct", "Winning percentage", true}, {"PF", "Points for", true},
        {"PA", "Points against", true}};
    SiteTable table(page, "Standings", columns);
    for (const Standing& s : standings)
        table.cell(linkHtml(s.page, recordHtml(s.team)))
            .cell(s.played())
            .cell(s.wins)
            .cell(s.losses)
            .cell(percentageText(s.wins, s.played()))
            .cell(s.pointsFor)
            .cell(s.pointsAgainst)
            .endRow();
    table.end();
}

void resultsTable(std::string& page, const Season& season) {
    static const std::vector<SiteColumn> columns{{"Date", "", false},
                                                 {"Visitor", "", false},
                                                 {"Score", "Visitor's points", true},
                                                 {"Home", "", false},
                                                 {"Score", "Home team's points", true}};
    SiteTable table(page, "Results", columns);
    std::vector<const GameResult*> games;
    for (const GameResult& game : season.games()) games.push_back(&game);
    // Newest first; games of one moment stay in the order given.
    std::stable_sort(games.begin(), games.end(),
                     [](const GameResult* a, const GameResult* b) { return playedBefore(*b, *a); });
    const auto team = [&season](const std::string& name, bool won) {
        const TeamSeason* t = season.team(name);
        const std::string html = t ? linkHtml(t->page, recordHtml(name)) : recordHtml(name);
        return won ? "<span class=\"won\">" + html + "</span>" : html;
    };
    for (const GameResult* game : games) {
        const auto score = [game](int points) { return linkHtml(game->page, std::to_string(points)); };
        table.cell(linkHtml(game->page, dateText(game->year, game->month, game->day)))
            .cell(team(game->visitorName, game->visitorScore > game->homeScore))
            .cell(score(game->visitorScore))
            .cell(team(game->homeName, game->homeScore > game->visitorScore))
            .cell(score(game->homeScore))
            .endRow();
    }
    table.end();
}

void leadersTable(std::string& page, const Season& season, LeaderFigure figure) {
    const std::vector<SiteColumn> columns{
        {"#", "Rank", true},
        {"Player", "", false},
        {"Team", "", false},
        {"GP", "Games played", true},
        {std::string(stats::viewerColumns()[leaderFigureColumn(figure)].heading), std::string(leaderFigureName(figure)),
         true}};
    SiteTable table(page, output::htmlText(leaderFigureName(figure)), columns, 1);
    for (const Leader& leader : leadersOf(season, figure))
        table.cell(leader.rank)
            .cell(recordHtml(stats::statNameText(leader.line, false)))
            .cell(linkHtml(leader.teamPage, recordHtml(leader.line.teamName)))
            .cell(leader.line.gp)
            .cell(stats::viewerCellText(leader.line, leaderFigureColumn(figure), false))
            .endRow();
    table.end();
}

void upcomingTable(std::string& page, const std::vector<ScheduleEntry>& entries) {
    static const std::vector<SiteColumn> columns{{"Date", "", false},  {"Time", "", false},    {"Event", "", false},
                                                 {"Home", "", false},  {"Visitor", "", false}, {"Court", "", false},
                                                 {"Note", "", false}};
    SiteTable table(page, "Upcoming", columns);
    for (const ScheduleEntry& e : entries)
        table.cell(output::htmlText(dateText(e.date.year, e.date.month, e.date.day)))
            .cell(timeText(e.hour, e.minute))
            .cell(output::htmlText(scheduleEventKindText(e.kind)))
            .cell(recordHtml(e.homeName))
            .cell(recordHtml(e.visitorName))
            .cell(recordHtml(e.court))
            .cell(recordHtml(e.note))
            .endRow();
    table.end();
}

}  // namespace

std::vector<ScheduleEntry> upcomingEntries(const Schedule& schedule, const output::ClockReading& today,
                                           std::vector<std::string>& warnings) {
    const output::WallClockStart from{today.year, today.month, today.day, 0, 0};
    std::vector<std::pair<output::WallClockStart, std::size_t>> coming;
    for (std::size_t i = 0; i < schedule.entries.size(); ++i) {
        const auto start = output::entryStart(schedule.entries[i]);
        if (!start) {
            warnings.push_back("Left out of the upcoming events: " + output::entryLabel(schedule.entries[i], i) +
                               ": no such date or time");
        } else if (*start >= from) {
            coming.emplace_back(*start, i);
        }
    }
    std::stable_sort(coming.begin(), coming.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ScheduleEntry> entries;
    for (const auto& [start, index] : coming) entries.push_back(schedule.entries[index]);
    return entries;
}

std::string indexPage(const SiteFrame& frame, const Season& season, const std::vector<Standing>& standings,
                      const std::vector<ScheduleEntry>* upcoming) {
    std::string out = pageStart(frame, {});
    out += "<h1>" + textHtml(frame.title) + "</h1>\n";
    // The tables' captions head the standings, the results and the events
    // to come; the five leaders tables stand under one heading, side by
    // side where the screen is wide enough.
    standingsTable(out, standings);
    resultsTable(out, season);
    out += "<h2 id=\"leaders\">Leaders</h2>\n<p>Players with at least half of their team's games.</p>\n"
           "<div class=\"leaders\">\n";
    for (const LeaderFigure figure : kLeaderFigures) leadersTable(out, season, figure);
    out += "</div>\n";
    if (upcoming) upcomingTable(out, *upcoming);
    return out + pageEnd(frame, true);
}

}  // namespace courtlog::site
