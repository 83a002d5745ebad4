#include "gui/stats/BoxScoreCommand.h"

#include <optional>

#include "core/records/Game.h"
#include "gui/stats/BoxScoreDialog.h"
#include "gui/ui/AppState.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/GameConsoleLink.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/SaveFailure.h"

namespace courtlog::gui::stats {

void boxScoreCommand(QWidget* owner) {
    ui::AppState& state = ui::appState();
    if (state.boxScoreViewerOpen) return;  // one box score at a time
    if (state.gameInProgress && state.currentGame) {
        // Owned by the console: it goes when the game is stopped.
        QWidget* console = state.console ? state.console->consoleWidget() : owner;
        auto* dialog = new BoxScoreDialog(console, *state.currentGame);
        dialog->showBesideConsole(console);
        return;
    }

    ui::FileDialogOptions options;
    options.filters = QStringLiteral("Game Files (*.gam)|*.gam|");
    options.defaultExtension = QStringLiteral("gam");
    options.folder = FileFolder::Games;
    options.mustExist = true;
    const std::optional<ui::FileChoice> choice = ui::getOpenFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;
    Game game;
    if (std::string reason; !game.load(ui::toRecordPath(choice->path), &reason)) {
        ui::showGameLoadFailure(owner, reason);
        return;
    }
    BoxScoreDialog dialog(owner, game);
    dialog.run();
}

}  // namespace courtlog::gui::stats
