#include "core/handheld/DesktopFileCopies.h"

#include "core/handheld/HandheldPaths.h"
#include "core/handheld/HandheldTexts.h"

namespace courtlog::handheld {

HandheldOutcome loadTeamFile(const std::string& path, Team& team) {
    team.fileName = path;
    if (!team.load()) return HandheldOutcome::failure(cantLoadMessage(DesktopFileKind::Team));
    return HandheldOutcome::success();
}

HandheldOutcome loadGameFile(const std::string& path, Game& game) {
    if (!game.load(path)) return HandheldOutcome::failure(cantLoadMessage(DesktopFileKind::Game));
    return HandheldOutcome::success();
}

HandheldOutcome saveTeamCopy(Team& team, const std::string& destination) {
    if (!team.fileName.empty() && sameFile(team.fileName, destination))
        return HandheldOutcome::failure(sameFileMessage(destination));
    std::string reason;
    if (!team.saveTo(destination, &reason))
        return HandheldOutcome::failure(cantSaveMessage(DesktopFileKind::Team, destination, reason));
    return HandheldOutcome::success();
}

HandheldOutcome saveGameCopy(Game& game, const std::string& destination) {
    if (!game.fileName.empty() && sameFile(game.fileName, destination))
        return HandheldOutcome::failure(sameFileMessage(destination));
    std::string reason;
    if (!game.save(destination, &reason))
        return HandheldOutcome::failure(cantSaveMessage(DesktopFileKind::Game, destination, reason));
    return HandheldOutcome::success();
}

}  // namespace courtlog::handheld
