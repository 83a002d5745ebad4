#pragma once

#include <vector>

namespace courtlog::gui::ui {

// A window that shows the game in progress beside the console (the box
// score, the statistics, the shot analysis). It registers itself while it is
// open; the console refreshes every registered viewer after each change of
// the game (a play, a prompt answer, a time out, a period change, undo and
// redo, an event edit), so what the viewers show never lags the game.
class GameViewer {
public:
    virtual ~GameViewer() = default;
    // Rebuild everything shown from the game in progress.
    virtual void refreshFromGame() = 0;
};

void registerGameViewer(GameViewer* viewer);
void unregisterGameViewer(GameViewer* viewer);
// The registered viewers, in the order they registered.
const std::vector<GameViewer*>& openGameViewers();
// Refreshes every registered viewer, in the order they registered.
void refreshGameViewers();

}  // namespace courtlog::gui::ui
