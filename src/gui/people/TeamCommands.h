#pragma once

class QWidget;

// File > Team: the commands the main window routes here.
namespace courtlog::gui::people {

void newTeamCommand(QWidget* owner);
void editTeamCommand(QWidget* owner);
void importTeamCommand(QWidget* owner);

}  // namespace courtlog::gui::people
