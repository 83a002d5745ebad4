#pragma once

// Teams and games shared by the handheld tests.

#include <string>

#include "core/records/Game.h"
#include "core/records/Team.h"

namespace courtlog::testing {

inline Player palmTestPlayer(int i) {
    Player p;
    p.name = "Player " + std::to_string(i);
    p.number = static_cast<std::int16_t>(i % 100);
    p.position = static_cast<std::int16_t>(i % 4);
    p.courtSlot = static_cast<std::int16_t>(i % 6);
    p.playedInPeriod[static_cast<std::size_t>(i % 8)] = 1;
    return p;
}

inline Team palmTestTeam(int players, const std::string& name = "Harbor Hawks") {
    Team team;
    team.name = name;
    team.coach = "Coach " + name;
    team.assistant = "Assistant " + name;
    for (int i = 0; i < players; ++i) team.addPlayer(palmTestPlayer(i), PersonalInfo{});
    return team;
}

inline PlayEvent palmTestEvent(const Player& player, int i) {
    PlayEvent e;
    e.player = player;
    e.kind = 1;
    e.shotResult = static_cast<std::int16_t>(1 + i % 6);
    e.shotX = static_cast<std::int16_t>(10 + i % 100);
    e.shotY = static_cast<std::int16_t>(20 + i % 90);
    e.period = static_cast<std::int16_t>(i % 5);
    return e;
}

// A game with full rosters and events on both sides.
inline Game palmTestGame(int homeEvents, int visitorEvents) {
    Game game;
    game.court = "Brenvik Arena";
    game.attendance = "1200";
    game.referee1 = "Ref One";
    game.referee2 = "Ref Two";
    game.referee3 = "Ref Three";
    game.year = 2004;
    game.day = 17;
    game.month = 3;
    game.hour = 19;
    game.minute = 30;
    game.season = 2004;
    game.currentPeriod = 3;
    game.home = palmTestTeam(12, "Harbor Hawks");
    game.visitor = palmTestTeam(10, "Valley Miners");
    game.home.noPersonalInfo = game.visitor.noPersonalInfo = true;
    game.homeName = game.home.name;
    game.visitorName = game.visitor.name;
    for (int i = 0; i < homeEvents; ++i) game.addHomeEvent(palmTestEvent(game.home.players[i % 12], i));
    for (int i = 0; i < visitorEvents; ++i) game.addVisitorEvent(palmTestEvent(game.visitor.players[i % 10], i));
    return game;
}

}  // namespace courtlog::testing
