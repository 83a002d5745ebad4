#pragma once

class QWidget;

namespace courtlog {
class Team;
}

namespace courtlog::gui::people {

// Runs the players' personal-information dialog on team (a working copy
// owned by the roster editor). True when it ended with OK and team holds
// the edited roster.
bool editPersonalInfo(QWidget* owner, Team& team);

}  // namespace courtlog::gui::people
