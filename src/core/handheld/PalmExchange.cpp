#include "core/handheld/PalmExchange.h"

#include <vector>

#include "core/handheld/PalmDatabase.h"
#include "core/handheld/PalmPayload.h"

namespace courtlog {

namespace {

PalmResult tooManyPlayers(const Team& team) {
    const std::string problem = PalmPayload::rosterProblem(team);
    if (problem.empty()) return PalmResult::success();
    return PalmResult::failure(problem, kPalmErrorCaption);
}

}  // namespace

PalmResult exportToPalm(Team& team, const std::string& path) {
    team.fileName = path;
    if (PalmResult r = tooManyPlayers(team); !r) return r;
    return writeDatabase(PalmPayload::team(team), path);
}

PalmResult exportToPalm(Game& game, const std::string& path) {
    game.fileName = path;
    if (PalmResult r = tooManyPlayers(game.home); !r) return r;
    if (PalmResult r = tooManyPlayers(game.visitor); !r) return r;
    return writeDatabase(PalmPayload::game(game), path);
}

PalmResult importFromPalm(const std::string& path, Team& team) {
    team.fileName = path;
    std::vector<std::uint8_t> payload;
    if (PalmResult r = extractDatabase(path, payload); !r) return r;
    return PalmPayload::readTeam(payload, team);
}

PalmResult importFromPalm(const std::string& path, Game& game) {
    game.fileName = path;
    std::vector<std::uint8_t> payload;
    if (PalmResult r = extractDatabase(path, payload); !r) return r;
    return PalmPayload::readGame(payload, game);
}

}  // namespace courtlog
