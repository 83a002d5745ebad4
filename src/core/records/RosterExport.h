#pragma once

#include <string>

#include "core/records/Team.h"

namespace courtlog {

// The comma-delimited roster with personal information, the form the
// comma-delimited import reads back. A text holding a comma, a double quote
// or a line break is written quoted (see CommaDelimited.h), so every team
// can be written and comes back the same; a team without such texts gives
// the same bytes as the unquoted format always did.
std::string commaDelimitedRoster(const Team& team);

}  // namespace courtlog
