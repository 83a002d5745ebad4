#include "core/site/TeamPage.h"

#include <algorithm>
#include <tuple>

#include "core/records/Cp1252.h"
#include "core/site/Season.h"
#include "core/site/Standings.h"
#include "core/stats/StatisticsColumns.h"

namespace courtlog::site {

namespace {

// The season table's columns and the statistics viewer's column each shows.
struct SeasonColumn {
    SiteColumn column;
    std::size_t viewerColumn;
};

const std::vector<SeasonColumn>& seasonColumns() {
    static const std::vector<SeasonColumn> columns{
        {{"GP", "Games played", true}, 2},
        {{"PTS", "Total points", true}, 4},
        {{"PPG", "Points per game", true}, 5},
        {{"OR", "Offensive rebounds", true}, 24},
        {{"DR", "Defensive rebounds", true}, 25},
        {{"RPG", "Rebounds per game", true}, 26},
        {{"AS", "Assists", true}, 18},
        {{"APG", "Assists per game", true}, 19},
        {{"ST", "Steals", true}, 27},
        {{"SPG", "Steals per game", true}, 28},
        {{"BS", "Blocked shots", true}, 29},
        {{"BPG", "Blocked shots per game", true}, 30},
        {{"2%", "Two-point percentage", true}, 8},
        {{"3%", "Three-point percentage", true}, 11},
        {{"FG%", "Field goal percentage", true}, 14},
        {{"FT%", "Free throw percentage", true}, 17},
    };
    return columns;
}

void seasonRow(SiteTable& table, const StatLine& line, bool totals) {
    table.cell(recordHtml(stats::statNameText(line, totals)));
    for (const SeasonColumn& c : seasonColumns()) table.cell(stats::viewerCellText(line, c.viewerColumn, totals));
    table.endRow();
}

void playersTable(std::string& page, const TeamSeason& team) {
    static const std::vector<SiteColumn> columns = [] {
        std::vector<SiteColumn> all{{"Player", "", false}};
        for (const SeasonColumn& c : seasonColumns()) all.push_back(c.column);
        return all;
    }();
    SiteTable table(page, "Players", columns);
    for (const StatLine& line : seasonTableOrder(team)) seasonRow(table, line, false);
    if (!team.players.lines().empty()) seasonRow(table.startFoot(), team.players.lines().back(), true);
    table.end();
}

void gameLog(std::string& page, const Season& season, const TeamSeason& team) {
    static const std::vector<SiteColumn> columns{{"Date", "", false},
                                                 {"Opponent", "", false},
                                                 {"Home/Away", "", false},
                                                 {"Score", "Own points first", false},
                                                 {"W/L", "Won, lost or tied", false}};
    SiteTable table(page, "Games", columns);
    std::vector<std::size_t> games = team.games;
    std::stable_sort(games.begin(), games.end(), [&season](std::size_t a, std::size_t b) {
        return playedBefore(season.games()[a], season.games()[b]);
    });
    for (const std::size_t index : games) {
        const GameResult& game = season.games()[index];
        const bool home = game.homeName == team.name;
        const std::string& opponent = home ? game.visitorName : game.homeName;
        const TeamSeason* other = season.team(opponent);
        const int own = home ? game.homeScore : game.visitorScore;
        const int theirs = home ? game.visitorScore : game.homeScore;
        table.cell(linkHtml(game.page, dateText(game.year, game.month, game.day)))
            .cell(other ? linkHtml(other->page, recordHtml(opponent)) : recordHtml(opponent))
            .cell(home ? "Home" : "Away")
            .cell(linkHtml(game.page, std::to_string(own) + "-" + std::to_string(theirs)))
            .cell(own > theirs ? "W" : own < theirs ? "L" : "T")
            .endRow();
    }
    table.end();
}

std::string recordLine(const Season& season, const TeamSeason& team, const Standing& standing) {
    int ties = 0;
    for (const std::size_t index : team.games) ties += season.games()[index].tied() ? 1 : 0;
    std::string out = "<p class=\"record\">Record: " + std::to_string(standing.wins) + "-" +
                      std::to_string(standing.losses) + " (" + percentageText(standing.wins, standing.played()) +
                      "), points for " + std::to_string(standing.pointsFor) + ", against " +
                      std::to_string(standing.pointsAgainst);
    if (ties > 0) out += "; " + std::to_string(ties) + (ties == 1 ? " tied game" : " tied games");
    return out + ".</p>\n";
}

}  // namespace

std::vector<StatLine> seasonTableOrder(const TeamSeason& team) {
    const std::vector<StatLine>& lines = team.players.lines();
    std::vector<StatLine> players(lines.begin(), lines.empty() ? lines.end() : lines.end() - 1);
    std::stable_sort(players.begin(), players.end(), [](const StatLine& a, const StatLine& b) {
        if (a.tp != b.tp) return a.tp > b.tp;
        return std::tie(a.playerName, a.number) < std::tie(b.playerName, b.number);
    });
    return players;
}

std::string teamPage(const SiteFrame& frame, const Season& season, const TeamSeason& team,
                     const Standing& standing) {
    std::string out = pageStart(frame, cp1252ToUtf8(team.name));
    out += "<h1>" + recordHtml(team.name) + "</h1>\n";
    out += recordLine(season, team, standing);
    gameLog(out, season, team);
    playersTable(out, team);
    return out + pageEnd(frame);
}

}  // namespace courtlog::site
