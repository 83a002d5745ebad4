#pragma once

#include <QString>
#include <functional>

namespace courtlog {
class Game;
}

namespace courtlog::gui::ui {

class GameConsoleLink;

// The program-wide state of the shell, one for the whole program. It sits
// below every subsystem so that they can read it without knowing the main
// window.
struct AppState {
    bool gameInProgress = false;
    Game* currentGame = nullptr;        // owned by the command that made it
    GameConsoleLink* console = nullptr; // the open game console while gameInProgress
    bool autoSave = true;               // never stored; on at every start
    bool statsViewerOpen = false;
    bool shotViewerOpen = false;
    bool boxScoreViewerOpen = false;
    bool lastGameInHalves = false;      // check mark of League Options
    QString startDirectory;             // where the program started; a settings file here wins
    QString homeDirectory;              // where file dialogs open before a folder is remembered
    bool settingsFailureShown = false;  // the user was told the settings cannot be saved
    // Called whenever a game starts or stops, so the shell can re-evaluate
    // its menu. Set by the main window; empty without one.
    std::function<void()> gameStateChanged;
};

AppState& appState();

// Tells the shell that gameInProgress (or the current game) changed.
void notifyGameStateChanged();

}  // namespace courtlog::gui::ui
