#include <QDialog>
#include <QEventLoop>

#include "core/records/Game.h"
#include "gui/scoring/ConsoleFocusKeeper.h"
#include "gui/scoring/GameConsoleWindow.h"
#include "gui/scoring/GameCommands.h"
#include "gui/scoring/TeamSheetPair.h"
#include "gui/ui/AppState.h"
#include "gui/ui/ProgramSettings.h"

namespace courtlog::gui::scoring {

void startGameConsole(QWidget* mainWindow, Game& game, bool fromFileOrSchedule) {
    ui::AppState& state = ui::appState();
    state.currentGame = &game;
    state.gameInProgress = true;
    // League Options shows a check mark while the game last started from a
    // file or a schedule is played in halves; a new game leaves it alone.
    if (fromFileOrSchedule) state.lastGameInHalves = game.halves != 0;
    ui::notifyGameStateChanged();

    {
        // The team sheets cover the main window while the game is scored;
        // they go after the console (home, then visitor).
        TeamSheetPair sheets(TeamSheetPair::clientAreaOf(mainWindow), game);
        GameConsoleWindow console(mainWindow, game, ui::programSettings().league);
        sheets.followConsole(&console);
        sheets.placeConsole(&console);
        state.console = &console;
        // The console runs its own loop until the game is stopped, but leaves
        // the main window's menu usable: the commands of a game in progress
        // (Save, Auto Save, Add and Modify Player, the options) are used
        // beside it.
        QEventLoop loop;
        QObject::connect(&console, &QDialog::finished, &loop, &QEventLoop::quit);
        console.setModal(false);
        console.show();
        const ConsoleFocusKeeper focusKeeper(&console);
        loop.exec();
        sheets.rememberConsolePlace(&console);
        state.console = nullptr;
    }

    state.gameInProgress = false;
    // The game belongs to the command that made it and goes with it.
    state.currentGame = nullptr;
    ui::notifyGameStateChanged();
}

}  // namespace courtlog::gui::scoring
