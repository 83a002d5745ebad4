#pragma once

#include <variant>

#include <nlohmann/json.hpp>

#include "core/records/Game.h"
#include "core/records/Schedule.h"
#include "core/records/Settings.h"
#include "core/records/Team.h"

namespace courtlog {
class JsonStreamWriter;
}

namespace courtlog::cli {

// What a file of any kind the tool reads holds: a team, a game, settings or
// a schedule.
using RecordDocument = std::variant<Team, Game, Settings, Schedule>;

// The record's JSON form as a tree (for the writers of other kinds) ...
nlohmann::ordered_json documentToJson(const RecordDocument& document);
// ... or written straight out as text.
void writeDocumentJson(JsonStreamWriter& out, const RecordDocument& document);

}  // namespace courtlog::cli
