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

std::string standingsTable(const std::vector<Standing>& standings) {
    SiteTable table;
    table.captionHtml = "Standings";
    table.columns = {{"Team", "", false},           {"GP", "Games played", true},
                     {"W", "Won", true},            {"L", "Lost", true},
                     {"Pct", "Winning percentage", true}, {"PF", "Points for", true},
                     {"PA", "Points against", true}};
    for (const Standing& s : standings)
        table.rows.push_back({linkHtml(s.page, recordHtml(s.team)), std::to_string(s.played()),
                              std::to_string(s.wins), std::to_string(s.losses),
                              percentageText(s.wins, s.played()), std::to_string(s.pointsFor),
                              std::to_string(s.pointsAgainst)});
    return table.html();
}

std::string resultsTable(const Season& season) {
    SiteTable table;
    table.captionHtml = "Results";
    table.columns = {{"Date", "", false}, {"Visitor", "", false}, {"Score", "Visitor's points", true},
                     {"Home", "", false}, {"Score", "Home team's points", true}};
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
        table.rows.push_back({linkHtml(game->page, dateText(game->year, game->month, game->day)),
                              team(game->visitorName, game->visitorScore > game->homeScore),
                              score(game->visitorScore), team(game->homeName, game->homeScore > game->visitorScore),
                              score(game->homeScore)});
    }
    return table.html();
}

std::string leadersTable(const Season& season, LeaderFigure figure) {
    SiteTable table;
    table.captionHtml = output::htmlText(leaderFigureName(figure));
    const std::string heading(stats::viewerColumns()[leaderFigureColumn(figure)].heading);
    table.columns = {{"#", "Rank", true}, {"Player", "", false}, {"Team", "", false}, {"GP", "Games played", true},
                     {heading, std::string(leaderFigureName(figure)), true}};
    table.rowHeader = 1;
    for (const Leader& leader : leadersOf(season, figure)) {
        table.rows.push_back({std::to_string(leader.rank), recordHtml(stats::statNameText(leader.line, false)),
                              linkHtml(leader.teamPage, recordHtml(leader.line.teamName)),
                              std::to_string(leader.line.gp),
                              stats::viewerCellText(leader.line, leaderFigureColumn(figure), false)});
    }
    return table.html();
}

std::string upcomingTable(const std::vector<ScheduleEntry>& entries) {
    SiteTable table;
    table.captionHtml = "Upcoming";
    table.columns = {{"Date", "", false},    {"Time", "", false},  {"Event", "", false}, {"Home", "", false},
                     {"Visitor", "", false}, {"Court", "", false}, {"Note", "", false}};
    for (const ScheduleEntry& e : entries)
        table.rows.push_back({output::htmlText(dateText(e.date.year, e.date.month, e.date.day)),
                              timeText(e.hour, e.minute), output::htmlText(scheduleEventKindText(e.kind)),
                              recordHtml(e.homeName), recordHtml(e.visitorName), recordHtml(e.court),
                              recordHtml(e.note)});
    return table.html();
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
    out += "<h2 id=\"standings\">Standings</h2>\n" + standingsTable(standings);
    out += "<h2 id=\"results\">Results</h2>\n" + resultsTable(season);
    out += "<h2 id=\"leaders\">Leaders</h2>\n<p>Players with at least half of their team's games.</p>\n";
    for (const LeaderFigure figure : kLeaderFigures) out += leadersTable(season, figure);
    if (upcoming) out += "<h2 id=\"upcoming\">Upcoming</h2>\n" + upcomingTable(*upcoming);
    return out + pageEnd(frame);
}

}  // namespace courtlog::site
