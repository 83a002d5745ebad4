#pragma once

#include <string>

#include "core/handheld/PalmResult.h"
#include "core/records/Game.h"
#include "core/records/Team.h"

namespace courtlog {

// The four handheld conversions of teams and games. Payloads are built and
// read in memory; the database is written through the safe save, so a failed
// export leaves any earlier file at path as it was. Each sets the record's
// fileName to path, as loading and saving a desktop file does.

// Fails with "Could not Open Output File" when the database cannot be
// written, or when the roster is too long for the handheld's count byte.
PalmResult exportToPalm(Team& team, const std::string& path);
PalmResult exportToPalm(Game& game, const std::string& path);

// Reads the database at path into a freshly made team or game. On failure
// the message to show is in the result and the record is to be discarded.
PalmResult importFromPalm(const std::string& path, Team& team);
PalmResult importFromPalm(const std::string& path, Game& game);

}  // namespace courtlog
