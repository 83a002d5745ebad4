#pragma once

#include <QString>

#include "core/records/Team.h"
#include "gui/ui/Picture.h"

namespace courtlog::gui::ui {

// Loads a team's logo picture, looking in turn at: the stored path; its bare
// file name in the current folder; beside the team file (teamFile may be
// empty for a team not saved yet); beside the program; and, for the pictures
// the program ships ("default.bmp"), the copy built into it. Null when none
// of them loads.
Picture loadTeamLogo(const QString& logoFile, const QString& teamFile);
// The same for team: its logo field (record text) beside its file (a path).
// Every window and printout that shows a team's logo loads it this way.
Picture loadTeamLogo(const Team& team);

}  // namespace courtlog::gui::ui
