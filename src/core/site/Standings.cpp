#include "core/site/Standings.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/site/Season.h"

namespace courtlog::site {

namespace {

int compareIgnoringCase(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// a before b in the standings.
bool ranksAbove(const Standing& a, const Standing& b) {
    // W/GP against W/GP without division; no games reads as no wins in one.
    const long long aOver = a.played() == 0 ? 0 : static_cast<long long>(a.wins) * std::max(b.played(), 1);
    const long long bOver = b.played() == 0 ? 0 : static_cast<long long>(b.wins) * std::max(a.played(), 1);
    if (aOver != bOver) return aOver > bOver;
    if (a.wins != b.wins) return a.wins > b.wins;
    if (const int byName = compareIgnoringCase(a.team, b.team)) return byName < 0;
    return a.team < b.team;
}

}  // namespace

std::vector<Standing> standingsOf(const Season& season) {
    std::vector<Standing> table;
    table.reserve(season.teams().size());
    for (const TeamSeason& team : season.teams()) {
        Standing line;
        line.team = team.name;
        line.page = team.page;
        for (const std::size_t index : team.games) {
            const GameResult& game = season.games()[index];
            if (!game.decided()) continue;
            const bool home = game.homeName == team.name;
            const int own = home ? game.homeScore : game.visitorScore;
            const int other = home ? game.visitorScore : game.homeScore;
            (own > other ? line.wins : line.losses) += 1;
            line.pointsFor += own;
            line.pointsAgainst += other;
        }
        table.push_back(std::move(line));
    }
    std::stable_sort(table.begin(), table.end(), ranksAbove);
    return table;
}

std::string percentageText(int wins, int played) {
    if (played <= 0) return ".000";
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(wins) / played);
    const std::string out = text;
    return out.rfind("0.", 0) == 0 ? out.substr(1) : out;
}

}  // namespace courtlog::site
