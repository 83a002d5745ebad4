#include "core/handheld/PalmTransfers.h"

#include "core/handheld/DesktopFileCopies.h"
#include "core/handheld/HandheldPaths.h"
#include "core/handheld/HandheldTexts.h"
#include "core/handheld/PalmExchange.h"

namespace courtlog::handheld {

namespace {

// Writes the database with write() and queues it, taking both back when
// either fails.
template <typename WriteDatabase>
HandheldOutcome writeAndQueue(const std::string& databasePath, const PalmDesktop& desktop, const std::string& user,
                              WriteDatabase write) {
    ReversibleWrites writes;
    std::string reason;
    if (!writes.remember(databasePath, &reason))
        return HandheldOutcome::failure(palmConversionMessage(
            PalmResult::failure("Could not Open Output File", kPalmErrorCaption, reason)));
    if (const PalmResult written = write(); !written)
        return HandheldOutcome::failure(palmConversionMessage(written));
    HandheldOutcome queued = desktop.queueForInstall(user, databasePath, writes);
    if (queued) writes.commit();
    return queued;
}

}  // namespace

HandheldOutcome installOnPalm(const PalmDesktop& desktop, const std::string& user, const std::string& path) {
    ReversibleWrites writes;
    HandheldOutcome queued = desktop.queueForInstall(user, path, writes);
    if (queued) writes.commit();
    return queued;
}

HandheldOutcome sendTeamToPalm(Team& team, const std::string& databasePath, const PalmDesktop& desktop,
                               const std::string& user) {
    if (sameFile(team.fileName, databasePath)) return HandheldOutcome::failure(sameFileMessage(databasePath));
    return writeAndQueue(databasePath, desktop, user, [&] { return exportToPalm(team, databasePath); });
}

HandheldOutcome sendGameToPalm(const Game& game, const std::string& databasePath, const PalmDesktop& desktop,
                               const std::string& user) {
    if (!game.fileName.empty() && sameFile(game.fileName, databasePath))
        return HandheldOutcome::failure(sameFileMessage(databasePath));
    Game copy = game;  // the export names the game after the database
    return writeAndQueue(databasePath, desktop, user, [&] { return exportToPalm(copy, databasePath); });
}

HandheldOutcome readTeamFromPalm(const std::string& databasePath, Team& team) {
    if (const PalmResult r = importFromPalm(databasePath, team); !r)
        return HandheldOutcome::failure(palmConversionMessage(r));
    return HandheldOutcome::success();
}

HandheldOutcome readGameFromPalm(const std::string& databasePath, Game& game) {
    if (const PalmResult r = importFromPalm(databasePath, game); !r)
        return HandheldOutcome::failure(palmConversionMessage(r));
    return HandheldOutcome::success();
}

HandheldOutcome saveTeamFromPalm(Team& team, const std::string& path) {
    HandheldOutcome saved = saveTeamCopy(team, path);
    if (saved) saved.message = importCompleteMessage(DesktopFileKind::Team, path);
    return saved;
}

HandheldOutcome saveGameFromPalm(Game& game, const std::string& path) {
    HandheldOutcome saved = saveGameCopy(game, path);
    if (saved) saved.message = importCompleteMessage(DesktopFileKind::Game, path);
    return saved;
}

}  // namespace courtlog::handheld
