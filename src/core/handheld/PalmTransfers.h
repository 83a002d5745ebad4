#pragma once

#include <string>

#include "core/handheld/HandheldOutcome.h"
#include "core/handheld/PalmDesktop.h"
#include "core/records/Game.h"
#include "core/records/Team.h"

// The file work of the Palm commands, once their dialogs have chosen the
// files and the user. Each is all or nothing: a failure leaves every file as
// it was, and the outcome carries the message to show either way.
namespace courtlog::handheld {

// Queues path for user's next HotSync; success says when it reaches the
// handheld.
HandheldOutcome installOnPalm(const PalmDesktop& desktop, const std::string& user, const std::string& path);

// Writes the team's database at databasePath and queues it for user.
HandheldOutcome sendTeamToPalm(Team& team, const std::string& databasePath, const PalmDesktop& desktop,
                               const std::string& user);
// The same for a game. The game is not changed (a game being scored keeps
// the file it saves to); databasePath must not be the game's own file.
HandheldOutcome sendGameToPalm(const Game& game, const std::string& databasePath, const PalmDesktop& desktop,
                               const std::string& user);

// Reads a database the handheld backed up into a freshly made team or game.
// A refused database fails with the conversion's message ("Not a Palm
// Team", ...); the record is then to be discarded.
HandheldOutcome readTeamFromPalm(const std::string& databasePath, Team& team);
HandheldOutcome readGameFromPalm(const std::string& databasePath, Game& game);

// Saves what was read as a desktop file; success is "Team Created from Palm
// Database: <path>" (or the game's). Never writes over the database itself.
HandheldOutcome saveTeamFromPalm(Team& team, const std::string& path);
HandheldOutcome saveGameFromPalm(Game& game, const std::string& path);

}  // namespace courtlog::handheld
