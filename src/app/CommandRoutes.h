#pragma once

class QWidget;

namespace courtlog {
class Game;
}

// One function per menu command that lives outside the main window. The main
// window calls these; each subsystem implements its own.
namespace courtlog::app {

// File > Team (people/TeamCommands.cpp)
void newTeamCommand(QWidget* owner);
void editTeamCommand(QWidget* owner);
void importTeamCommand(QWidget* owner);

// File > Game (scoring/GameCommands.cpp)
void newGameCommand(QWidget* owner);
void editGameCommand(QWidget* owner);
void saveGameCommand(QWidget* owner);
void saveGameAsCommand(QWidget* owner);

// Roster (scoring/GameCommands.cpp); true when the dialog ended with OK.
bool addPlayerCommand(QWidget* owner);
bool modifyPlayerCommand(QWidget* owner);

// Hands a described game to the live console: sets the program-wide game
// state, runs the console until the game is stopped, and clears it again
// (app/GameConsoleLauncher.cpp). fromFileOrSchedule sets the League Options
// check mark from the game's halves flag.
void startGameConsole(QWidget* mainWindow, Game& game, bool fromFileOrSchedule);

}  // namespace courtlog::app
