#pragma once

#include <string>

#include "core/records/Team.h"

namespace courtlog {

// The comma-delimited roster with personal information, the form the
// comma-delimited import reads back. Fields are written as they are, without
// quoting, so a text holding a comma or a line break cannot be written: then
// the result is false and problem names the player (or the team) and the
// field, and out is left empty.
bool commaDelimitedRoster(const Team& team, std::string& out, std::string& problem);

}  // namespace courtlog
