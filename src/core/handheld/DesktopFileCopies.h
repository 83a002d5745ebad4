#pragma once

#include <string>

#include "core/handheld/HandheldOutcome.h"
#include "core/records/Game.h"
#include "core/records/Team.h"

// Loading and saving the desktop team and game files the handheld commands
// carry between folders, with the messages the commands show.
namespace courtlog::handheld {

// Loads a stand-alone team (with its personal information) from path into a
// freshly made team; fails with "Can't load team !", or with what is
// damaged in a team file that is not whole.
HandheldOutcome loadTeamFile(const std::string& path, Team& team);
// Loads path into a freshly made game; fails with "Can't load game !".
HandheldOutcome loadGameFile(const std::string& path, Game& game);

// Saves the record under destination. Refuses, writing nothing, when
// destination is the very file the record was read from (its fileName): a
// copy over its own source is never what the command is for, and a database
// or a damaged file would be lost to it. Fails with "Can't save ... !" when
// the file cannot be written; the file there is then as it was.
HandheldOutcome saveTeamCopy(Team& team, const std::string& destination);
HandheldOutcome saveGameCopy(Game& game, const std::string& destination);

}  // namespace courtlog::handheld
