
#include "gui/scoring/ScoringCoreNames.h"
// File > Game (New, Edit, Save, Save As) and Roster (Add Player, Modify Player).

#include <QDir>
#include <QString>

#include "core/records/Game.h"
#include "gui/scoring/AddPlayer.h"
#include "gui/scoring/GameCommands.h"
#include "gui/scoring/GameEdit.h"
#include "gui/scoring/ModifyPlayer.h"
#include "gui/ui/AppState.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/SaveFailure.h"

namespace courtlog::gui::scoring {

namespace {

ui::FileDialogOptions gameFileOptions() {
    ui::FileDialogOptions options;
    options.filters = QStringLiteral("Game Files (*.gam)|*.gam|");
    options.defaultExtension = QStringLiteral("gam");
    options.folder = FileFolder::Games;
    return options;
}

// Saves game to path; a failure is told, never passed over, and leaves the
// game on the file it had.
bool saveGameTo(QWidget* owner, Game& game, const QString& path) {
    std::string error;
    if (game.save(ui::toRecordPath(path), &error)) return true;
    ui::showSaveFailure(owner, QStringLiteral("game"), path, error);
    return false;
}

}  // namespace

CurrentGameGuard::~CurrentGameGuard() {
    if (ui::appState().currentGame == game) ui::appState().currentGame = nullptr;
}

// Saves game to path (when given); after a failure, and when there is
// no path, asks for a file until the game is written or the user cancels.
// Nothing typed into a new game is lost to one unwritable folder. The
// dialog offers the name last tried, or else the game's own.
bool saveGameAsking(QWidget* owner, Game& game, QString path) {
    QString lastTried = ui::fromRecordPath(game.fileName);
    for (;;) {
        if (path.isEmpty()) {
            ui::FileDialogOptions options = gameFileOptions();
            options.initialName = lastTried;
            const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, options);
            if (!choice || choice->path.isEmpty()) return false;
            path = choice->path;
        }
        if (saveGameTo(owner, game, path)) return true;
        lastTried = path;
        path.clear();
    }
}

void newGameCommand(QWidget* owner) {
    Game game(ui::programSettings().league.halves);
    CurrentGameGuard guard{&game};
    GameEdit editor(game, owner);
    const int result = editor.run();
    if (result != 1 && result != GameEdit::kStartGame) return;
    ui::appState().currentGame = &game;
    // A game that could not be written is not started: the console saves as
    // it goes and every play would be lost.
    if (!saveGameAsking(owner, game, QString())) return;
    if (result == GameEdit::kStartGame) startGameConsole(owner, game, false);
}

void editGameCommand(QWidget* owner) {
    ui::FileDialogOptions options = gameFileOptions();
    options.mustExist = true;
    const std::optional<ui::FileChoice> choice = ui::getOpenFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;
    openGameFile(owner, choice->path);
}

void openGameFile(QWidget* owner, const QString& path) {
    Game game(ui::programSettings().league.halves);
    CurrentGameGuard guard{&game};
    std::string reason;
    const bool loaded = game.load(ui::toRecordPath(path), &reason);
    if (!loaded) ui::showGameLoadFailure(owner, reason);
    // Whatever was read is shown as a game read from its file: its own
    // information and both teams.
    game.isNew = 0;

    GameEdit editor(game, owner);
    const int result = editor.run();
    if (result != 1 && result != GameEdit::kStartGame) return;
    if (!loaded) {
        // A game that did not load whole is never written over its file
        // (the console saves as it goes): it is saved under a name the
        // user gives, or not at all. The user is told so before the dialog.
        ui::showMessage(owner,
                        QStringLiteral("%1 was not read whole, so it is not written over.\n"
                                       "Choose a name to save the game under.")
                            .arg(QDir::toNativeSeparators(path)),
                        QStringLiteral("Save Game"), ui::MessageButtons::Ok, ui::MessageIcon::Information);
        if (!saveGameAsking(owner, game, QString())) return;
    } else if (result == 1) {
        saveGameAsking(owner, game, ui::fromRecordPath(game.fileName));
    }
    if (result == GameEdit::kStartGame) {
        ui::appState().currentGame = &game;
        startGameConsole(owner, game, true);
    }
}

void saveGameCommand(QWidget* owner) {
    Game* game = ui::appState().currentGame;
    if (!game) return;
    saveGameTo(owner, *game, ui::fromRecordPath(game->fileName));
}

void saveGameAsCommand(QWidget* owner) {
    Game* game = ui::appState().currentGame;
    if (!game) return;
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, gameFileOptions());
    if (!choice || choice->path.isEmpty()) return;
    saveGameTo(owner, *game, choice->path);
}

bool addPlayerCommand(QWidget* owner) {
    Game* game = ui::appState().currentGame;
    if (!game || !ui::appState().gameInProgress) return false;
    AddPlayer dialog(*game, owner);
    return dialog.run() == 1;
}

bool modifyPlayerCommand(QWidget* owner) {
    Game* game = ui::appState().currentGame;
    if (!game || !ui::appState().gameInProgress) return false;
    ModifyPlayer dialog(*game, owner);
    return dialog.run() == 1;
}

}  // namespace courtlog::gui::scoring
