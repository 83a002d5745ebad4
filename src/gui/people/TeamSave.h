#pragma once

class QString;
class QWidget;

namespace courtlog {
class Team;
}

namespace courtlog::gui::people {

// Saves a team from the team editor or an import:
// - a team without a file name asks for one (team files only);
// - a team read from a roster text file (".csv" or ".txt") asks for the team
//   file name, proposing the same name with ".tem" beside it, so the text
//   file is never overwritten with a binary team;
// - otherwise the team is written to its own file.
// A failed write is reported to the user, who is then offered the save
// dialog again. False only when the user cancels a dialog.
bool saveTeam(QWidget* owner, Team& team);

// Writes team to path; after a failure, said to the user, asks for another
// file until one is written or the dialog is cancelled (false). Only a file
// that was written becomes the team's file.
bool saveTeamAsking(QWidget* owner, Team& team, QString path);

// Writes team to path and reports a failure to the user.
bool writeTeamFile(QWidget* owner, Team& team, const QString& path);

}  // namespace courtlog::gui::people
