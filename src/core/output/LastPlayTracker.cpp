#include "core/output/LastPlayTracker.h"

#include <algorithm>

#include "core/output/ScoreboardFeed.h"
#include "core/records/Codes.h"

namespace courtlog::output {

LastPlayTracker::LastPlayTracker(const Game& game)
    : homeCount_(game.homeEvents().size()), visitorCount_(game.visitorEvents().size()) {}

std::string LastPlayTracker::follow(const Game& game) {
    auto followSide = [this](bool home, std::size_t& known, std::size_t now) {
        for (; known < now; ++known) recordedSides_.push_back(home);
        for (; known > now; --known) {
            // The newest play of this team goes; a play it had before the
            // start is in no list.
            auto it = std::find(recordedSides_.rbegin(), recordedSides_.rend(), home);
            if (it != recordedSides_.rend()) recordedSides_.erase(std::next(it).base());
        }
    };
    followSide(true, homeCount_, game.homeEvents().size());
    followSide(false, visitorCount_, game.visitorEvents().size());
    if (recordedSides_.empty()) return {};
    const bool home = recordedSides_.back();
    const std::vector<PlayEvent>& events = game.events(home);
    if (events.empty() || events.back().kind == NoEvent) return {};
    return scoreboardPlayText(events.back(), home);
}

}  // namespace courtlog::output
