#pragma once

#include "core/scoring/PlaysChange.h"
#include <vector>

namespace courtlog::gui::ui {

// A window that shows the game in progress beside the console (the box
// score, the statistics, the shot analysis). It registers itself while it is
// open; the console tells every registered viewer of each change of the game
// (a play, a prompt answer, a time out, a period change, undo and redo, an
// event edit, a player added or renamed), so what the viewers show never
// lags the game.
class GameViewer {
public:
    virtual ~GameViewer() = default;
    // Rebuild everything shown from the game in progress.
    virtual void refreshFromGame() = 0;
    // The game changed as change says; a viewer that keeps running counts of
    // the plays brings them up to it instead of reading every play again.
    virtual void gameChanged(const courtlog::scoring::PlaysChange&) { refreshFromGame(); }
};

void registerGameViewer(GameViewer* viewer);
void unregisterGameViewer(GameViewer* viewer);
// The registered viewers, in the order they registered.
const std::vector<GameViewer*>& openGameViewers();
// Refreshes every registered viewer, in the order they registered.
void refreshGameViewers();
// Tells every registered viewer of a change, in the order they registered.
void tellGameViewers(const courtlog::scoring::PlaysChange& change);

}  // namespace courtlog::gui::ui
