#pragma once

// The one set of record builders for every test, core and GUI alike:
// players, plays, teams and games in a line each, plus a scratch folder and
// whole-file reads and writes. Standard C++ and GoogleTest only.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "ScratchSettingsHome.h"
#include "core/records/Codes.h"
#include "core/records/Game.h"
#include "core/records/ScheduleEntry.h"
#include "core/records/Team.h"

namespace courtlog::testing {

// A roster entry. slot 1..5 puts him in the starting lineup.
inline Player player(const std::string& name, int number = 4, int position = 1, int slot = 0) {
    Player p;
    p.name = name;
    p.number = static_cast<std::int16_t>(number);
    p.position = static_cast<std::int16_t>(position);
    p.courtSlot = static_cast<std::int16_t>(slot);
    return p;
}

// A play by the named player; detail goes to the sub-kind field its kind
// uses (shot result, foul kind, technical kind, rebound, goal tend, turnover).
inline PlayEvent play(const std::string& who, int kind, int detail = 0, int period = 0, int number = 4) {
    PlayEvent e;
    e.player.name = who;
    e.player.number = static_cast<std::int16_t>(number);
    e.kind = static_cast<std::int16_t>(kind);
    const auto d = static_cast<std::int16_t>(detail);
    switch (kind) {
        case Shot:
            e.shotResult = d;
            break;
        case Foul:
            e.foulKind = d;
            break;
        case TechnicalFoul:
            e.technicalKind = d;
            break;
        case Rebound:
            e.reboundKind = d;
            break;
        case GoalTend:
            e.goalTendKind = d;
            break;
        case Turnover:
            e.turnoverKind = d;
            break;
        default:
            break;
    }
    e.period = static_cast<std::int16_t>(period);
    return e;
}

// A play by a roster entry, copied whole into the play as the console does.
inline PlayEvent playBy(const Player& who, int kind, int detail = 0, int period = 0) {
    PlayEvent e = play(who.name, kind, detail, period, who.number);
    e.player = who;
    return e;
}

// The player marked as having played in each of the first `periods` periods.
inline Player playedIn(Player p, int periods) {
    for (int i = 0; i < periods && i < Player::kPeriodSlots; ++i) p.playedInPeriod[static_cast<std::size_t>(i)] = 1;
    return p;
}

// A shot with its spot on the upright court.
inline PlayEvent shot(const std::string& who, int result, int x, int y, int period = 0, int number = 4) {
    PlayEvent e = play(who, Shot, result, period, number);
    e.shotX = static_cast<std::int16_t>(x);
    e.shotY = static_cast<std::int16_t>(y);
    return e;
}

// A time out (full, or 20 seconds with shortTimeOut) in period.
inline PlayEvent timeOut(int period = 0, bool shortTimeOut = false) {
    PlayEvent e;
    e.player.number = 0;
    e.kind = static_cast<std::int16_t>(shortTimeOut ? ShortTimeOut : TimeOut);
    e.period = static_cast<std::int16_t>(period);
    return e;
}

// A team of n players "<name> Player 1".. whose first five hold slots 1..5,
// numbers 3, 4, ... and positions cycling Guard, Center, Forward.
inline Team team(const std::string& name, int n = 5) {
    Team t;
    t.name = name;
    t.coach = "Coach " + name;
    t.assistant = "Assistant " + name;
    for (int i = 0; i < n; ++i)
        t.addPlayer(player(name + " Player " + std::to_string(i + 1), i + 3, 1 + i % 3, i < 5 ? i + 1 : 0),
                    PersonalInfo::blank());
    return t;
}

// A team holding exactly the players given, with blank personal information.
inline Team team(const std::string& name, std::initializer_list<Player> players) {
    Team t;
    t.name = name;
    for (const Player& p : players) t.addPlayer(p, PersonalInfo::blank());
    return t;
}

// A game between two teams as they sit inside a game (no personal
// information), names copied into the information block, dated 3/14/2024.
inline Game game(const Team& home, const Team& visitor, bool halves = false) {
    Game g(halves);
    g.home.assignFrom(home);
    g.home.name = home.name;
    g.home.coach = home.coach;
    g.home.assistant = home.assistant;
    g.home.logoFile = home.logoFile;
    g.visitor.assignFrom(visitor);
    g.visitor.name = visitor.name;
    g.visitor.coach = visitor.coach;
    g.visitor.assistant = visitor.assistant;
    g.visitor.logoFile = visitor.logoFile;
    g.homeName = home.name;
    g.visitorName = visitor.name;
    g.year = 2024;
    g.month = 3;
    g.day = 14;
    g.season = 2024;
    g.isNew = 0;
    return g;
}

// Two teams of five made by team(), with the plays given for each side.
inline Game game(const std::string& home, const std::string& visitor,
                 std::initializer_list<PlayEvent> homePlays = {},
                 std::initializer_list<PlayEvent> visitorPlays = {}, bool halves = false) {
    Game g = game(team(home), team(visitor), halves);
    for (const PlayEvent& e : homePlays) g.addHomeEvent(e);
    for (const PlayEvent& e : visitorPlays) g.addVisitorEvent(e);
    return g;
}

// A game that ends homePoints to visitorPoints on month/day/2024: two teams
// made by team() whose players all played the four quarters, the first
// player of each scoring his team's points with two-pointers (and a free
// throw for an odd score), one shot a quarter as they come.
inline Game gameEnding(const std::string& home, int homePoints, const std::string& visitor, int visitorPoints,
                       int month = 3, int day = 14) {
    Game g = game(team(home), team(visitor));
    for (Team* side : {&g.home, &g.visitor})
        for (Player& p : side->players) p = playedIn(p, 4);
    const auto score = [&g](bool isHome, int points) {
        const Player shooter = (isHome ? g.home : g.visitor).players.front();
        const auto add = [&](const PlayEvent& e) { return isHome ? g.addHomeEvent(e) : g.addVisitorEvent(e); };
        for (int i = 0; i < points / 2; ++i) add(playBy(shooter, Shot, 1, i % 4));
        if (points % 2 != 0) add(playBy(shooter, Shot, 3, 3));
    };
    score(true, homePoints);
    score(false, visitorPoints);
    g.month = static_cast<std::int8_t>(month);
    g.day = static_cast<std::int8_t>(day);
    return g;
}

// A schedule entry of kind on month/day/year at hour:minute between home and
// visitor, in season 2024, with no files named.
inline ScheduleEntry scheduled(int kind, int month, int day, int year, int hour = 12, int minute = 0,
                               const std::string& home = "", const std::string& visitor = "",
                               const std::string& court = "", const std::string& note = "") {
    ScheduleEntry e;
    e.kind = kind;
    e.date.year = year;
    e.date.month = static_cast<std::int8_t>(month);
    e.date.day = static_cast<std::int8_t>(day);
    e.hour = hour;
    e.minute = minute;
    e.homeName = home;
    e.visitorName = visitor;
    e.court = court;
    e.note = note;
    e.season = 2024;
    return e;
}

// A game put together side by side: roster entries (number, periods
// played, no position) and plays for each team, the team names in both the
// rosters and the information block, and nothing else.
class GameBuilder {
public:
    GameBuilder(const std::string& home, const std::string& visitor) {
        game.homeName = home;
        game.home.name = home;
        game.visitorName = visitor;
        game.visitor.name = visitor;
    }
    GameBuilder& homePlayer(const std::string& name, int number, int periodsPlayed) {
        game.home.addPlayer(playedIn(player(name, number, 0), periodsPlayed), PersonalInfo{});
        return *this;
    }
    GameBuilder& visitorPlayer(const std::string& name, int number, int periodsPlayed) {
        game.visitor.addPlayer(playedIn(player(name, number, 0), periodsPlayed), PersonalInfo{});
        return *this;
    }
    GameBuilder& home(const PlayEvent& e) {
        game.addHomeEvent(e);
        return *this;
    }
    GameBuilder& visitor(const PlayEvent& e) {
        game.addVisitorEvent(e);
        return *this;
    }

    Game game;
};

// For the file formats: a roster entry whose every field differs with i
// ("Player <i>", number, position, court slot, one period played).
inline Player variedPlayer(int i) {
    Player p = player("Player " + std::to_string(i), i % 100, i % 4, i % 6);
    p.playedInPeriod[static_cast<std::size_t>(i % 8)] = 1;
    return p;
}

// A team of variedPlayer(0..players-1), with a coach and an assistant.
inline Team variedTeam(int players, const std::string& name = "Harbor Hawks") {
    Team t;
    t.name = name;
    t.coach = "Coach " + name;
    t.assistant = "Assistant " + name;
    for (int i = 0; i < players; ++i) t.addPlayer(variedPlayer(i), PersonalInfo{});
    return t;
}

// A shot by who whose result, spot and period differ with i.
inline PlayEvent variedShot(const Player& who, int i) {
    PlayEvent e = playBy(who, Shot, 1 + i % 6, i % 5);
    e.shotX = static_cast<std::int16_t>(10 + i % 100);
    e.shotY = static_cast<std::int16_t>(20 + i % 90);
    return e;
}

// A game with every information field filled, twelve home and ten visiting
// varied players, and the given numbers of varied shots a side.
inline Game variedGame(int homeEvents, int visitorEvents) {
    Game g;
    g.court = "Brenvik Arena";
    g.attendance = "1200";
    g.referee1 = "Ref One";
    g.referee2 = "Ref Two";
    g.referee3 = "Ref Three";
    g.year = 2004;
    g.day = 17;
    g.month = 3;
    g.hour = 19;
    g.minute = 30;
    g.season = 2004;
    g.currentPeriod = 3;
    g.home = variedTeam(12, "Harbor Hawks");
    g.visitor = variedTeam(10, "Valley Miners");
    g.home.noPersonalInfo = g.visitor.noPersonalInfo = true;
    g.homeName = g.home.name;
    g.visitorName = g.visitor.name;
    for (int i = 0; i < homeEvents; ++i) g.addHomeEvent(variedShot(g.home.players[static_cast<std::size_t>(i % 12)], i));
    for (int i = 0; i < visitorEvents; ++i)
        g.addVisitorEvent(variedShot(g.visitor.players[static_cast<std::size_t>(i % 10)], i));
    return g;
}

// A file of the test data folder's records/ subfolder.
inline std::string recordData(const std::string& name) {
    return std::string(COURTLOG_TEST_DATA) + "/records/" + name;
}

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << path;
}

// A fresh folder, removed with everything in it when the test ends.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "courtlog-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) ADD_FAILURE() << "mkdtemp failed";
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

    // Names in the folder, hidden ones included.
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            result.push_back(entry.path().filename().string());
        return result;
    }

    // Writes the game's bytes straight to name (no safe save: fast for
    // tests that make many games) and gives its path.
    std::string saveGame(const Game& g, const std::string& name) const {
        const std::string path = file(name);
        writeBytes(path, g.toBytes());
        return path;
    }
    std::string saveTeam(const Team& t, const std::string& name) const {
        const std::string path = file(name);
        writeBytes(path, t.toBytes());
        return path;
    }

private:
    std::string path_;
};

}  // namespace courtlog::testing
