#pragma once

class QWidget;

// File > Team: the commands the main window routes here.
namespace courtlog::gui::people {

void newTeamCommand(QWidget* owner);
void editTeamCommand(QWidget* owner);
void importTeamCommand(QWidget* owner);
// The team editor on a file already chosen: a team file, or with roster a
// comma-delimited or plain-text roster imported as a new team.
void openTeamFile(QWidget* owner, const QString& path, bool roster);

}  // namespace courtlog::gui::people
