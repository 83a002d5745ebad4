#include "cli/PalmFiles.h"

#include <vector>

#include "core/handheld/PalmDatabase.h"
#include "core/handheld/PalmExchange.h"
#include "core/handheld/PalmPayload.h"
#include "core/records/JsonForm.h"

namespace courtlog::cli {

namespace {

// The kind a database holds by its payload's tag; a payload with neither tag
// is read as a team, which refuses it as "Not a Palm Team".
std::string kindHeld(const std::string& path) {
    std::vector<std::uint8_t> payload;
    if (!extractDatabase(path, payload)) return "team";
    const bool game = payload.size() >= 3 && payload[0] == 'g' && payload[1] == 'a' && payload[2] == 'm';
    return game ? "game" : "team";
}

}  // namespace

bool readPalmFile(const std::string& path, const std::string& wantedKind, RecordDocument& out,
                  std::string& error) {
    const std::string kind = wantedKind == "team" || wantedKind == "game" ? wantedKind : kindHeld(path);
    if (kind == "game") {
        Game game;
        if (PalmResult r = importFromPalm(path, game); !r) {
            error = r.text();
            return false;
        }
        out = std::move(game);
        return true;
    }
    Team team;
    if (PalmResult r = importFromPalm(path, team); !r) {
        error = r.text();
        return false;
    }
    out = std::move(team);
    return true;
}

bool writePalmFile(const nlohmann::ordered_json& doc, const std::string& path, std::string& error) {
    const std::string kind = jsonKind(doc);
    PalmResult result;
    if (kind == "team") {
        Team team;
        if (!teamFromJson(doc, team, &error)) return false;
        result = exportToPalm(team, path);
    } else if (kind == "game") {
        Game game;
        if (!gameFromJson(doc, game, &error)) return false;
        result = exportToPalm(game, path);
    } else {
        error = "Can't write " + (kind.empty() ? std::string("this data") : "a " + kind) + " as a Palm database";
        return false;
    }
    if (!result) error = result.text();
    return result.ok;
}

}  // namespace courtlog::cli
