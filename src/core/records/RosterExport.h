#pragma once

#include <string>

#include "core/records/Team.h"

namespace courtlog {

// The comma-delimited roster, the form the comma-delimited import reads
// back: the team, coach and logo lines, the column headings, then one line
// per player with number, name, position and starting slot, and with
// withPersonalInfo his phone, address, city, state, zip, birthday, e-mail
// and note as well. A text holding a comma, a double quote or a line break
// is written quoted (see CommaDelimited.h), so every team can be written and
// comes back the same; a team without such texts gives the same bytes as the
// unquoted format always did.
std::string commaDelimitedRoster(const Team& team, bool withPersonalInfo = true);

// A birthday as the roster export writes it: "03/14/2008" (month/day/year).
std::string rosterBirthdayText(const BirthDate& birthday);

}  // namespace courtlog
