#include "gui/scoring/ScheduleCommands.h"

#include <optional>

#include "core/records/Schedule.h"
#include "core/records/ScheduledFiles.h"
#include "gui/people/ScheduleEditor.h"
#include "gui/scoring/GameCommands.h"
#include "gui/scoring/GameEdit.h"
#include "gui/ui/AppState.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/SaveFailure.h"

namespace courtlog::gui::scoring {

namespace {

using people::ScheduleEditor;

ui::FileDialogOptions scheduleFileOptions() {
    ui::FileDialogOptions options;
    options.filters = QStringLiteral("Schedule Files (*.sch)|*.sch|");
    options.defaultExtension = QStringLiteral("sch");
    options.folder = FileFolder::Schedules;
    return options;
}

// Result 1001: the game "Start" prepared from the entry is described, saved
// where the user says, named in its entry, and the schedule written again;
// with "St&art Game" it is then scored.
void startScheduledGame(QWidget* owner, Schedule& schedule, ScheduleEditor& editor) {
    if (!editor.preparedGame()) return;
    Game& game = *editor.preparedGame();
    CurrentGameGuard guard{&game};
    ui::appState().currentGame = &game;
    GameEdit describe(game, owner);
    const int result = describe.run();
    if (result != 1 && result != GameEdit::kStartGame) return;
    // A game that could not be written is not started: the console saves as
    // it goes and every play would be lost.
    if (!saveGameAsking(owner, game, QString())) return;
    const int index = editor.chosenEntry();
    if (index >= 0 && index < schedule.entryCount()) {
        if (auto field = scheduleFieldForPath(game.fileName)) {
            schedule.entries[static_cast<std::size_t>(index)].gameFile = *field;
            saveScheduleAsking(owner, schedule, ui::fromRecordPath(schedule.fileName));
        } else {
            ui::showMessage(owner,
                            QStringLiteral("The game was saved, but the schedule cannot keep its path:\n%1")
                                .arg(ui::fromRecordPath(game.fileName)),
                            QStringLiteral("Schedule"), ui::MessageButtons::Ok, ui::MessageIcon::Exclamation);
        }
    }
    if (result == GameEdit::kStartGame) startGameConsole(owner, game, true);
}

// Result 1005: the entry's game is described again and either scored on
// or saved back to its own file.
void continueScheduledGame(QWidget* owner, const Schedule& schedule, const ScheduleEditor& editor) {
    const std::optional<std::string> field = scheduleFieldForPath(editor.formGameFile());
    std::optional<ScheduledGame> found;
    std::string reason;
    if (field) found = loadScheduledGame(*field, scheduledGameFolders(schedule.fileName), &reason);
    if (!found) {
        ui::showGameLoadFailure(owner, reason);
        return;
    }
    Game& game = found->game;
    game.fileName = found->path;
    CurrentGameGuard guard{&game};
    GameEdit describe(game, owner);
    const int result = describe.run();
    if (result == GameEdit::kStartGame) {
        ui::appState().currentGame = &game;
        startGameConsole(owner, game, true);
    } else if (result == 1) {
        saveGameAsking(owner, game, ui::fromRecordPath(game.fileName));
    }
}

// Every ending of the editor but Cancel keeps what was edited.
bool keepsEdits(int result) {
    return result == 1 || result == ScheduleEditor::kStartNewGame || result == ScheduleEditor::kContinueGame;
}

void carryOut(QWidget* owner, Schedule& schedule, ScheduleEditor& editor, int result) {
    if (result == ScheduleEditor::kStartNewGame) startScheduledGame(owner, schedule, editor);
    if (result == ScheduleEditor::kContinueGame) continueScheduledGame(owner, schedule, editor);
}

}  // namespace

bool saveScheduleAsking(QWidget* owner, Schedule& schedule, QString path) {
    // After a failure the dialog offers the name last tried; the schedule
    // keeps the file it had until a save succeeds.
    QString lastTried = ui::fromRecordPath(schedule.fileName);
    for (;;) {
        if (path.isEmpty()) {
            ui::FileDialogOptions options = scheduleFileOptions();
            options.initialName = lastTried;
            const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, options);
            if (!choice || choice->path.isEmpty()) return false;
            path = choice->path;
        }
        std::string error;
        if (schedule.save(ui::toRecordPath(path), &error)) return true;
        QString text = QStringLiteral("Can't save %1 !").arg(path);
        if (!error.empty()) text += QStringLiteral("\n") + QString::fromStdString(error);
        ui::showWarning(owner, text, QStringLiteral("Error"));
        lastTried = path;
        path.clear();
    }
}

void newScheduleCommand(QWidget* owner) {
    Schedule schedule;
    ScheduleEditor editor(schedule, owner);
    const int result = editor.run();
    if (!keepsEdits(result)) return;
    // No file, no game: a game started now could not be named in its schedule.
    if (!saveScheduleAsking(owner, schedule, QString())) return;
    carryOut(owner, schedule, editor, result);
}

void editScheduleCommand(QWidget* owner) {
    ui::FileDialogOptions options = scheduleFileOptions();
    // A name that does not exist yet starts an empty schedule there.
    options.mustExist = false;
    const std::optional<ui::FileChoice> choice = ui::getOpenFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;
    openScheduleFile(owner, choice->path);
}

void openScheduleFile(QWidget* owner, const QString& path) {
    Schedule schedule;
    const Schedule::LoadResult loaded = schedule.load(ui::toRecordPath(path));
    if (loaded.outcome == Schedule::LoadOutcome::Unreadable || loaded.outcome == Schedule::LoadOutcome::Damaged) {
        // What the file holds is unknown: it is left as it is. The editor
        // may start a schedule afresh, which is saved only under a name the
        // user chooses (the save dialog asks before replacing a file).
        const QString text = QStringLiteral("Can't load schedule !\n%1\n\nStart a new schedule? It will be saved "
                                            "only under a name you choose.")
                                 .arg(ui::fromRecordPath(loaded.error));
        if (ui::showMessage(owner, text, QStringLiteral("Schedule"), ui::MessageButtons::OkCancel,
                            ui::MessageIcon::Exclamation, true) != ui::ResultOk)
            return;
    }

    ScheduleEditor editor(schedule, owner);
    const int result = editor.run();
    // Cancel leaves the file as it was.
    if (!keepsEdits(result)) return;
    if (!saveScheduleAsking(owner, schedule, ui::fromRecordPath(schedule.fileName))) return;
    carryOut(owner, schedule, editor, result);
}

}  // namespace courtlog::gui::scoring
