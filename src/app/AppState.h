#pragma once

#include <QString>

namespace courtlog {
class Game;
}

class QDialog;

namespace courtlog::app {

// The program-wide state of the shell, one for the whole program.
struct AppState {
    bool gameInProgress = false;
    Game* currentGame = nullptr;   // owned by the command that made it
    QDialog* console = nullptr;    // the open game console while gameInProgress
    bool autoSave = true;          // never stored; on at every start
    bool statsViewerOpen = false;
    bool shotViewerOpen = false;
    bool boxScoreViewerOpen = false;
    bool lastGameInHalves = false; // check mark of League Options
    QString startDirectory;        // where the program started; the settings file lives here
    QString homeDirectory;         // initial folder of the Team > Edit and Game > Edit dialogs
};

AppState& appState();

}  // namespace courtlog::app
