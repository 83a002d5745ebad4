#pragma once

#include <ctime>
#include <string>

#include "core/output/LastPlayTracker.h"
#include "core/records/Settings.h"

namespace courtlog::output {

// Keeps the scoreboard feed of one game being scored: told of every change
// at the console, it follows the last play and, while the feed is on,
// replaces the three feed files. A failed write is only reported; the next
// change tries again.
class ScoreboardFeedWriter {
public:
    explicit ScoreboardFeedWriter(const Game& game) : lastPlay_(game) {}

    // After a change (and once at the start), with the league the console
    // counts by; settings say whether and where. True when the feed is off or
    // was written; false with the reason in error otherwise.
    bool gameChanged(const Game& game, const LeagueOptions& league, const Settings& settings, std::time_t now,
                     std::string* error = nullptr);

    const std::string& lastPlay() const { return lastPlayText_; }

private:
    LastPlayTracker lastPlay_;
    std::string lastPlayText_;
};

}  // namespace courtlog::output
