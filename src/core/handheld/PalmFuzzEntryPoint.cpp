#include "core/handheld/PalmFuzzEntryPoint.h"

#include <vector>

#include "core/handheld/PalmDatabase.h"
#include "core/handheld/PalmPayload.h"

namespace courtlog::fuzz {

namespace {

using Bytes = std::vector<std::uint8_t>;

// The payload must survive a database of its own unchanged.
std::string checkDatabaseRoundTrip(const Bytes& payload, const char* what) {
    const Bytes image = PalmDatabase::build(payload, "check.pdb", 0);
    if (image.size() != PalmDatabase::blockOffset(PalmDatabase::blockCount(payload.size()), 0) + payload.size() +
                            PalmDatabase::kBlockHeaderSize * PalmDatabase::blockCount(payload.size()))
        return std::string(what) + ": own database has the wrong size";
    Bytes again;
    if (!PalmDatabase::extract(image, again)) return std::string(what) + ": own database refused";
    if (again != payload) return std::string(what) + ": payload changed through its own database";
    return {};
}

std::string checkTeam(const Bytes& payload) {
    Team team;
    if (!PalmPayload::readTeam(payload, team)) {
        if (!team.players.empty() || !team.name.empty()) return "team: refused payload changed the team";
        return {};
    }
    if (team.personalInfo.size() != team.players.size()) return "team: personal information not parallel";
    const Bytes written = PalmPayload::team(team);
    Team reread;
    if (!PalmPayload::readTeam(written, reread)) return "team: own payload refused";
    if (PalmPayload::team(reread) != written) return "team: changed through its own payload";
    return checkDatabaseRoundTrip(written, "team");
}

std::string checkGame(const Bytes& payload) {
    Game game;
    if (!PalmPayload::readGame(payload, game)) {
        if (game.isNew != 1 || !game.homeEvents().empty() || !game.home.players.empty())
            return "game: refused payload changed the game";
        return {};
    }
    for (const Team* t : {&game.home, &game.visitor})
        if (t->personalInfo.size() != t->players.size()) return "game: personal information not parallel";
    if (game.homeName != game.home.name || game.visitorName != game.visitor.name)
        return "game: team names not copied";
    const Bytes written = PalmPayload::game(game);
    Game reread;
    if (!PalmPayload::readGame(written, reread)) return "game: own payload refused";
    const Bytes again = PalmPayload::game(reread);
    // The two-digit season is the one field that may move on a second trip:
    // a stored 124, say, reads as 2024 and is written back as 24. Every
    // other byte is settled after the first, and the season after the second.
    if (again.size() != written.size()) return "game: own payload changed size";
    for (std::size_t i = 0; i < written.size(); ++i)
        if (i != PalmPayload::kGameSeasonOffset && again[i] != written[i]) return "game: changed through its own payload";
    Game third;
    if (!PalmPayload::readGame(again, third) || PalmPayload::game(third) != again)
        return "game: season not settled after two trips";
    return checkDatabaseRoundTrip(written, "game");
}

}  // namespace

std::string checkPalmDatabase(std::span<const std::uint8_t> data) {
    Bytes payload;
    if (!PalmDatabase::extract(data, payload)) {
        if (!payload.empty()) return "refused database left a partial payload";
        return {};
    }
    if (payload.size() > data.size()) return "payload larger than the database";
    if (std::string problem = checkTeam(payload); !problem.empty()) return problem;
    return checkGame(payload);
}

const FuzzTarget& palmDatabaseFuzzTarget() {
    static constexpr FuzzTarget kTarget{"pdb_fuzzer", checkPalmDatabase};
    return kTarget;
}

}  // namespace courtlog::fuzz
