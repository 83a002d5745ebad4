#pragma once

#include <QString>

class QWidget;

namespace courtlog {
class Game;
}

// File > Game and Roster: the commands the main window routes here.
namespace courtlog::gui::scoring {

void newGameCommand(QWidget* owner);
void editGameCommand(QWidget* owner);
// Game > Edit on a file already chosen (the command line, a dropped file):
// the game information dialog on it, from which it can be continued.
void openGameFile(QWidget* owner, const QString& path);
void saveGameCommand(QWidget* owner);
void saveGameAsCommand(QWidget* owner);

// Saves game to path (when given); after a failure, and when there is no
// path, asks for a file until the game is written or the user cancels.
// Nothing typed into a new game is lost to one unwritable folder.
bool saveGameAsking(QWidget* owner, Game& game, QString path);

// Clears the program-wide current game when the command's own game goes
// out of scope, so nobody keeps pointing at it.
struct CurrentGameGuard {
    Game* game;
    ~CurrentGameGuard();
};

// Roster, during a game: the dialog edits a copy of the rosters, and on OK
// the added player or the renames become a change at the console, kept for
// undo; true when the dialog ended with OK.
bool addPlayerCommand(QWidget* owner);
bool modifyPlayerCommand(QWidget* owner);

// Hands a described game to the live console: sets the program-wide game
// state, runs the console until the game is stopped, and clears it again.
// fromFileOrSchedule sets the League Options check mark from the game's
// halves flag.
void startGameConsole(QWidget* mainWindow, Game& game, bool fromFileOrSchedule);

}  // namespace courtlog::gui::scoring
