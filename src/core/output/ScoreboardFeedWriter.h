#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "core/output/LastPlayTracker.h"
#include "core/records/BackgroundSave.h"
#include "core/records/GameFileImage.h"
#include "core/records/Settings.h"

namespace courtlog::output {

// Keeps the scoreboard feed of one game being scored: told of every change
// at the console, it follows the last play and, while the feed is on, hands
// the game as it stands to a thread of its own, which builds the feed texts
// and replaces the files once the change has settled. The console goes on
// at once; a change made while an earlier one still waits replaces it, so
// only the newest state is written. A failed write is only reported; the
// next change tries again.
class ScoreboardFeedWriter {
public:
    // Hears, on the writer's thread, how each write ended, and why not.
    using Reported = std::function<void(bool written, const std::string& error)>;

    explicit ScoreboardFeedWriter(const Game& game, Reported reported = {});
    // Writes what still waits, then stops.
    ~ScoreboardFeedWriter() = default;

    // After a change (and once at the start), with the league the console
    // counts by; settings say whether and where. gameImage is the game's
    // file image when the caller keeps one (it serves the auto save too);
    // without it the game is encoded here.
    void gameChanged(const Game& game, const LeagueOptions& league, const Settings& settings, std::time_t now,
                     GameFileImage::Snapshot gameImage = {});
    // Returns once every write asked for so far has ended.
    void waitUntilIdle() { writer_.waitUntilIdle(); }

    const std::string& lastPlay() const { return lastPlayText_; }

private:
    LastPlayTracker lastPlay_;
    std::string lastPlayText_;
    Reported reported_;
    // Last, so it is the first to go: it finishes its writes while the rest
    // is still there.
    BackgroundSaver writer_;
};

}  // namespace courtlog::output
