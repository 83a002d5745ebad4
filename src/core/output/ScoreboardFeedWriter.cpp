#include "core/output/ScoreboardFeedWriter.h"

#include "core/output/ScoreboardFeed.h"

namespace courtlog::output {

bool ScoreboardFeedWriter::gameChanged(const Game& game, const LeagueOptions& league, const Settings& settings,
                                       std::time_t now, std::string* error) {
    // The last play is followed with the feed off as well, so that turning
    // it on in the middle of a game names the right one.
    lastPlayText_ = lastPlay_.follow(game);
    if (!settings.scoreboardFeedOn) return true;
    const ScoreboardFeedTexts texts = scoreboardFeedTexts(game, league, isoLocalTime(now), lastPlayText_);
    return writeScoreboardFeed(scoreboardFolder(settings.scoreboardFeedFolder, game.fileName), texts, error);
}

}  // namespace courtlog::output
