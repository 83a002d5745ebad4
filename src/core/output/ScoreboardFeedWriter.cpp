#include "core/output/ScoreboardFeedWriter.h"

#include <memory>
#include <utility>

#include "core/output/ScoreboardFeed.h"

namespace courtlog::output {

ScoreboardFeedWriter::ScoreboardFeedWriter(const Game& game, Reported reported)
    : lastPlay_(game), reported_(std::move(reported)), writer_(kSettleAfterChange) {}

void ScoreboardFeedWriter::gameChanged(const Game& game, const LeagueOptions& league, const Settings& settings,
                                       std::time_t now, GameFileImage::Snapshot gameImage) {
    // The last play is followed with the feed off as well, so that turning
    // it on in the middle of a game names the right one.
    lastPlayText_ = lastPlay_.follow(game);
    if (!settings.scoreboardFeedOn) return;
    // The image is all the writer's thread reads: the game itself goes on
    // changing here.
    if (gameImage.parts.empty())
        gameImage.parts.push_back(std::make_shared<const std::vector<std::uint8_t>>(game.toBytes()));
    writer_.run("scoreboard", [image = std::move(gameImage), league, reported = reported_,
                               folder = scoreboardFolder(settings.scoreboardFeedFolder, game.fileName),
                               updated = isoLocalTime(now), lastPlay = lastPlayText_] {
        Game shown;
        const std::vector<std::uint8_t> bytes = image.bytes();
        ByteReader in(bytes);
        std::string error;
        bool written = shown.readFrom(in);
        if (!written) error = "the game could not be read back";
        if (written) written = writeScoreboardFeed(folder, scoreboardFeedTexts(shown, league, updated, lastPlay), &error);
        if (reported) reported(written, error);
    });
}

}  // namespace courtlog::output
