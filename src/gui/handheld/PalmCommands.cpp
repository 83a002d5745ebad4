#include "gui/handheld/PalmCommands.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

#include "core/handheld/DesktopFileCopies.h"
#include "core/handheld/HandheldPaths.h"
#include "core/handheld/PalmTransfers.h"
#include "core/handheld/PalmUserChoice.h"
#include "gui/handheld/HandheldSetup.h"
#include "gui/handheld/SelectPalmUserDialog.h"
#include "gui/ui/AppState.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::handheld {

namespace core = ::courtlog::handheld;
using core::DesktopFileKind;
using core::PalmDesktop;
using core::PalmUserChoice;
using core::PalmUserPurpose;

namespace {

// The Palm desktop and the user a command works for.
struct PalmTarget {
    PalmDesktop desktop;
    std::optional<std::string> user;  // none chosen
};

// The Palm user choice every Palm command starts with. nullopt when the
// command ends here (no Palm desktop folder); otherwise the user taken or
// chosen, or none (no users, or the list closed without a choice).
std::optional<PalmTarget> choosePalmUser(QWidget* owner, PalmUserPurpose purpose) {
    const PalmUserChoice choice =
        PalmUserChoice::start(handheldFolders().palmDesktopFolder, ui::toRecordPath(homeFolder()), purpose);
    switch (choice.step) {
        case PalmUserChoice::Step::NoDesktop:
            showHandheldMessage(owner, choice.message);
            return std::nullopt;
        case PalmUserChoice::Step::NoUsers:
            showHandheldMessage(owner, choice.message);
            return PalmTarget{*choice.desktop, std::nullopt};
        case PalmUserChoice::Step::OnlyUser:
            return PalmTarget{*choice.desktop, choice.chosen()};
        case PalmUserChoice::Step::AskUser:
            break;
    }
    SelectPalmUserDialog dialog(owner, choice.users);
    const int result = dialog.run();
    return PalmTarget{*choice.desktop, result == 1 ? choice.chosen(dialog.selectedIndex()) : std::nullopt};
}

// A Palm user to install for, or nullopt when the command ends.
std::optional<PalmTarget> chooseInstallTarget(QWidget* owner) {
    std::optional<PalmTarget> target = choosePalmUser(owner, PalmUserPurpose::Install);
    if (!target || !target->user) return std::nullopt;
    return target;
}

void installFile(QWidget* owner, const QString& path) {
    const std::optional<PalmTarget> target = chooseInstallTarget(owner);
    if (!target) return;
    showHandheldMessage(owner, core::installOnPalm(target->desktop, *target->user, ui::toRecordPath(path)).message);
}

// A file dialog opens in directory, or when that is empty in the folder
// remembered for the kind of file it asks for.
std::optional<QString> openFile(QWidget* owner, const QString& filters, const QString& extension,
                                FileFolder folder, const QString& directory = {}) {
    ui::FileDialogOptions options;
    options.filters = filters;
    options.defaultExtension = extension;
    options.initialDirectory = directory;
    options.folder = folder;
    options.mustExist = true;
    const std::optional<ui::FileChoice> choice = ui::getOpenFile(owner, options);
    if (!choice || choice->path.isEmpty()) return std::nullopt;
    return choice->path;
}

std::optional<QString> saveFile(QWidget* owner, const QString& filters, const QString& extension,
                                FileFolder folder, const QString& directory, const QString& name) {
    ui::FileDialogOptions options;
    options.filters = filters;
    options.defaultExtension = extension;
    options.initialDirectory = directory;
    options.folder = folder;
    options.initialName = name;
    options.mustExist = false;
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, options);
    if (!choice || choice->path.isEmpty()) return std::nullopt;
    return choice->path;
}

// Where a Palm import's file dialog opens: the chosen user's Backup folder,
// or the handheld files' folder when no user was chosen.
QString importStartFolder(const PalmTarget& target) {
    if (!target.user) return {};
    return ui::fromRecordPath(target.desktop.importStartFolder(*target.user));
}

FileFolder folderOf(DesktopFileKind kind) {
    return kind == DesktopFileKind::Team ? FileFolder::Teams : FileFolder::Games;
}

// Team or Game from Palm: the database, the record read from it, the desktop
// file it is saved as.
template <typename Record>
void importDatabase(QWidget* owner, PalmUserPurpose purpose, DesktopFileKind kind, const QString& openFilters,
                    const QString& saveFilters, const QString& extension, Record record) {
    const std::optional<PalmTarget> target = choosePalmUser(owner, purpose);
    if (!target) return;
    const std::optional<QString> database =
        openFile(owner, openFilters, QStringLiteral("pdb"), FileFolder::Handheld, importStartFolder(*target));
    if (!database) return;

    core::HandheldOutcome read;
    if constexpr (std::is_same_v<Record, Team>)
        read = core::readTeamFromPalm(ui::toRecordPath(*database), record);
    else
        read = core::readGameFromPalm(ui::toRecordPath(*database), record);
    if (!read) {
        showHandheldMessage(owner, read.message);
        return;
    }
    const QString proposed = ui::fromRecordPath(core::proposedDesktopName(ui::toRecordPath(*database), kind));
    const std::optional<QString> path =
        saveFile(owner, saveFilters, extension, folderOf(kind), QString(), proposed);
    if (!path) return;
    if constexpr (std::is_same_v<Record, Team>)
        showHandheldMessage(owner, core::saveTeamFromPalm(record, ui::toRecordPath(*path)).message);
    else
        showHandheldMessage(owner, core::saveGameFromPalm(record, ui::toRecordPath(*path)).message);
}

}  // namespace

void palmInstallCompanionCommand(QWidget* owner) {
    QString path = ui::fromRecordPath(core::companionPath(ui::toRecordPath(ui::appState().startDirectory)));
    if (!QFileInfo::exists(path)) {
        const int answer = showHandheldMessage(owner, core::companionMissingQuestion(ui::toRecordPath(path)),
                                               ui::MessageButtons::YesNo);
        if (answer != ui::ResultYes) return;
        const std::optional<QString> chosen =
            openFile(owner, QStringLiteral("Palm Application File (*.prc)|*.prc|"), QStringLiteral("prc"),
                     FileFolder::Handheld);
        if (!chosen) return;
        path = *chosen;
    }
    installFile(owner, path);
}

void palmInstallOtherCommand(QWidget* owner) {
    const std::optional<QString> path = openFile(owner, QStringLiteral("Palm Game File (*.pdb)|*.pdb|"),
                                                 QStringLiteral("pdb"), FileFolder::Handheld);
    if (path) installFile(owner, *path);
}

void gameToPalmCommand(QWidget* owner) {
    Game loaded(ui::programSettings().league.halves);
    const Game* game = ui::appState().gameInProgress ? ui::appState().currentGame : nullptr;
    // The game being scored goes as it stands, every play so far included.
    if (!game) {
        const std::optional<QString> path = openFile(owner, QStringLiteral("Game Files (*.gam)|*.gam|"),
                                                     QStringLiteral("gam"), FileFolder::Games);
        if (!path) return;
        if (const core::HandheldOutcome r = core::loadGameFile(ui::toRecordPath(*path), loaded); !r) {
            showHandheldMessage(owner, r.message);
            return;
        }
        game = &loaded;
    }
    const QString gameFile = ui::fromRecordPath(game->fileName);
    const QString proposed =
        gameFile.isEmpty() ? QString() : ui::fromRecordPath(core::fileNameOf(core::databasePathBeside(game->fileName)));
    const std::optional<QString> database = saveFile(
        owner, QStringLiteral("Palm Game File (*.pdb)|*.pdb|"), QStringLiteral("pdb"), FileFolder::Handheld,
        gameFile.isEmpty() ? QString() : QFileInfo(gameFile).absolutePath(), proposed);
    if (!database) return;
    // The user is chosen before anything is written, so a command that ends
    // there leaves no database behind.
    const std::optional<PalmTarget> target = chooseInstallTarget(owner);
    if (!target) return;
    showHandheldMessage(owner,
                        core::sendGameToPalm(*game, ui::toRecordPath(*database), target->desktop, *target->user).message);
}

void teamToPalmCommand(QWidget* owner) {
    const std::optional<QString> path = openFile(owner, QStringLiteral("Team Files (*.tem)|*.tem|"),
                                                 QStringLiteral("tem"), FileFolder::Teams);
    if (!path) return;
    Team team;
    if (const core::HandheldOutcome r = core::loadTeamFile(ui::toRecordPath(*path), team); !r) {
        showHandheldMessage(owner, r.message);
        return;
    }
    const std::optional<PalmTarget> target = chooseInstallTarget(owner);
    if (!target) return;
    const std::string database = core::databasePathBeside(ui::toRecordPath(*path));
    showHandheldMessage(owner, core::sendTeamToPalm(team, database, target->desktop, *target->user).message);
}

void gameFromPalmCommand(QWidget* owner) {
    // A game read now would take the place of the one being scored.
    if (ui::appState().gameInProgress) return;
    importDatabase(owner, PalmUserPurpose::GameImport, DesktopFileKind::Game,
                   QStringLiteral("Palm Game Files (*.pdb)|*.pdb|"), QStringLiteral("Game Files (*.gam)|*.gam|"),
                   QStringLiteral("gam"), Game(ui::programSettings().league.halves));
}

void teamFromPalmCommand(QWidget* owner) {
    Team team;
    team.logoFile = "default.bmp";
    importDatabase(owner, PalmUserPurpose::TeamImport, DesktopFileKind::Team,
                   QStringLiteral("Palm Team Files (*.pdb)|*.pdb|"), QStringLiteral("Team Files (*.tem)|*.tem|"),
                   QStringLiteral("tem"), std::move(team));
}

}  // namespace courtlog::gui::handheld
