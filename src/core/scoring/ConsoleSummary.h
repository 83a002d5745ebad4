#pragma once

#include <nlohmann/json.hpp>

#include "core/records/Game.h"
#include "core/records/Settings.h"

namespace courtlog {
class JsonStreamWriter;
}

namespace courtlog::scoring {

// What the console and the two team sheets show for game under league, as
// JSON (texts in UTF-8): the period box, and per team the score, fouls,
// bonus, time outs left, the labels on court, the bench and the sheet rows.
nlohmann::ordered_json consoleSummary(const Game& game, const LeagueOptions& league);
// The same written as text, without a tree.
void writeConsoleSummary(JsonStreamWriter& out, const Game& game, const LeagueOptions& league);

}  // namespace courtlog::scoring
