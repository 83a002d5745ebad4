#pragma once

// The games the benchmarks play on: two teams of twelve, count plays per
// team spread over the four quarters (shots made and missed, rebounds,
// fouls), every player in turn.

#include <string>
#include <vector>

#include "core/records/Codes.h"
#include "core/records/Game.h"

namespace courtlog::bench {

inline Team benchTeam(const std::string& name) {
    Team t;
    t.name = name;
    t.noPersonalInfo = true;
    for (int i = 0; i < 12; ++i) {
        Player p;
        p.name = name + " Player " + std::to_string(i + 1);
        p.number = static_cast<std::int16_t>(i + 3);
        p.position = static_cast<std::int16_t>(1 + i % 3);
        p.courtSlot = static_cast<std::int16_t>(i < 5 ? i + 1 : 0);
        t.addPlayer(p, PersonalInfo::blank());
    }
    return t;
}

inline std::vector<PlayEvent> benchPlays(const Team& t, int count) {
    std::vector<PlayEvent> list;
    list.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        PlayEvent e;
        e.player = t.players[static_cast<std::size_t>(i % 12)];
        e.period = static_cast<std::int16_t>(i * 4 / count);
        switch (i % 4) {
            case 0: e.kind = Shot; e.shotResult = TwoPointMade; e.shotX = 57; e.shotY = 47; break;
            case 1: e.kind = Shot; e.shotResult = ThreePointMissed; e.shotX = 57; e.shotY = 77; break;
            case 2: e.kind = Rebound; e.reboundKind = DefensiveRebound; break;
            default: e.kind = Foul; e.foulKind = DefensiveFoul; break;
        }
        list.push_back(e);
    }
    return list;
}

// A game between home and visitor with count plays per team, in the fourth
// quarter.
inline Game benchGame(const std::string& home, const std::string& visitor, int count) {
    Game game;
    game.home = benchTeam(home);
    game.visitor = benchTeam(visitor);
    game.homeName = home;
    game.visitorName = visitor;
    game.setEvents(true, benchPlays(game.home, count));
    game.setEvents(false, benchPlays(game.visitor, count));
    game.currentPeriod = 3;
    return game;
}

}  // namespace courtlog::bench
