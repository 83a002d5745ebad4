#pragma once

#include <string>

#include "core/records/Team.h"

namespace courtlog {

// Reads the team a command names: a team file, or by its extension (any
// case) a comma-delimited (".csv") or plain-text (".txt") roster. False with
// the message to show ("Can't load team ! PATH: reason", or "Can't import
// team ! ..." for a roster) when it cannot be read.
bool readTeamOrRoster(const std::string& path, Team& team, std::string* message);

}  // namespace courtlog
