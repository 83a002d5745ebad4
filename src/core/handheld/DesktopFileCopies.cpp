#include "core/handheld/DesktopFileCopies.h"

#include "core/handheld/HandheldPaths.h"
#include "core/handheld/HandheldTexts.h"
#include "core/records/TeamDamage.h"
#include "core/records/TeamSource.h"

namespace courtlog::handheld {

HandheldOutcome loadTeamFile(const std::string& path, Team& team) {
    std::string damage;
    switch (loadTeamForUse(path, team, &damage, fileNameOf(path))) {
        case TeamLoad::Loaded: return HandheldOutcome::success();
        case TeamLoad::CannotLoad: return HandheldOutcome::failure(cantLoadMessage(DesktopFileKind::Team));
        case TeamLoad::Damaged: break;
    }
    // A damaged team is not carried to a device as if it were whole.
    return HandheldOutcome::failure({damage, kDamagedTeamCaption, MessageIcon::Exclamation});
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
