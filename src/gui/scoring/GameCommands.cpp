// File > Game (New, Edit, Save, Save As) and Roster (Add Player, Modify Player).

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

namespace courtlog::scoring {

namespace {

ui::FileDialogOptions gameFileOptions() {
    ui::FileDialogOptions options;
    options.filters = QStringLiteral("Game Files (*.gam)|*.gam|");
    options.defaultExtension = QStringLiteral("gam");
    return options;
}

// Saves game to path; a failure is told, never passed over.
bool saveGameTo(QWidget* owner, Game& game, const QString& path) {
    std::string error;
    if (game.save(path.toStdString(), &error)) return true;
    QString text = QStringLiteral("Can't save game !\n%1").arg(path);
    if (!error.empty()) text += QStringLiteral("\n") + QString::fromStdString(error);
    ui::showWarning(owner, text, QStringLiteral("Error"));
    return false;
}

// The command's own game is about to go; nobody may keep pointing at it.
struct CurrentGameGuard {
    Game* game;
    ~CurrentGameGuard() {
        if (ui::appState().currentGame == game) ui::appState().currentGame = nullptr;
    }
};

}  // namespace

void newGameCommand(QWidget* owner) {
    Game game(ui::programSettings().league.halves);
    CurrentGameGuard guard{&game};
    GameEdit editor(game, owner);
    const int result = editor.run();
    if (result != 1 && result != GameEdit::kStartGame) return;
    ui::appState().currentGame = &game;
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, gameFileOptions());
    if (!choice || choice->path.isEmpty()) return;
    // A game that could not be written is not started: the console saves as
    // it goes and every play would be lost.
    if (!saveGameTo(owner, game, choice->path)) return;
    if (result == GameEdit::kStartGame) startGameConsole(owner, game, false);
}

void editGameCommand(QWidget* owner) {
    Game game(ui::programSettings().league.halves);
    CurrentGameGuard guard{&game};
    ui::FileDialogOptions options = gameFileOptions();
    options.initialDirectory = ui::appState().homeDirectory;
    options.mustExist = true;
    const std::optional<ui::FileChoice> choice = ui::getOpenFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;
    if (!game.load(choice->path.toStdString()))
        ui::showMessage(owner, QStringLiteral("Can't load game !"), QStringLiteral("File corrupt ?"));
    // Whatever was read is shown as a game read from its file (its own
    // information, both teams) and saved back to the same file.
    game.fileName = choice->path.toStdString();
    game.isNew = 0;

    GameEdit editor(game, owner);
    const int result = editor.run();
    if (result == GameEdit::kStartGame) {
        ui::appState().currentGame = &game;
        startGameConsole(owner, game, true);
    } else if (result == 1) {
        saveGameTo(owner, game, QString::fromStdString(game.fileName));
    }
}

void saveGameCommand(QWidget* owner) {
    Game* game = ui::appState().currentGame;
    if (!game) return;
    saveGameTo(owner, *game, QString::fromStdString(game->fileName));
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

}  // namespace courtlog::scoring
