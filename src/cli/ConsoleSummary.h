#pragma once

#include <nlohmann/json.hpp>

#include "core/records/Game.h"
#include "core/records/Settings.h"

namespace courtlog::cli {

// What the console and the two team sheets show for game under league, as
// JSON (texts in UTF-8): the period box, and per team the score, fouls,
// bonus, time outs left, the labels on court, the bench and the sheet rows.
// The scores are recounted from the plays; the game is not changed.
nlohmann::ordered_json consoleSummary(const Game& game, const LeagueOptions& league);

}  // namespace courtlog::cli
