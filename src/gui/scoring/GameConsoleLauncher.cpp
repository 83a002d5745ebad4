#include <QDialog>
#include <QEventLoop>
#include <QShortcut>

#include "core/records/Game.h"
#include "core/records/SwappedConsoles.h"
#include "gui/scoring/ConsoleFocusKeeper.h"
#include "gui/scoring/ConsoleMenuKeys.h"
#include "gui/scoring/GameConsoleWindow.h"
#include "gui/scoring/GameCommands.h"
#include "gui/scoring/TeamSheetPair.h"
#include "gui/ui/AppState.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/ViewerPlacement.h"

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
        // A game left with its sides swapped opens so again.
        console.openWithSidesSwapped(consoleSwappedFor(ui::programSettings(), game.fileName));
        sheets.placeConsole(&console);
        state.console = &console;
        // Viewers opened beside the console keep clear of the sheets' rows
        // where the screen has room; where it has not, F6 sets them aside
        // and brings them back.
        ui::setGameScreenAreas([&sheets] { return sheets.coveredAreas(); });
        QShortcut viewersKey(QKeySequence(Qt::Key_F6), &console);
        viewersKey.setContext(Qt::ApplicationShortcut);
        QObject::connect(&viewersKey, &QShortcut::activated, [] { ui::toggleViewersAside(); });
        // Alt with a menu's letter and F10 reach the main window's menus
        // from the console.
        const ConsoleMenuKeys menuKeys(&console, mainWindow);
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
        ui::setGameScreenAreas({});
        sheets.rememberConsolePlace(&console);
        // Under the name the game has now (Save As may have moved it).
        if (rememberConsoleSides(ui::programSettings(), game.fileName, console.model().sidesSwapped()))
            ui::saveProgramSettings();
        state.console = nullptr;
    }

    state.gameInProgress = false;
    // The game belongs to the command that made it and goes with it.
    state.currentGame = nullptr;
    ui::notifyGameStateChanged();
}

}  // namespace courtlog::gui::scoring
