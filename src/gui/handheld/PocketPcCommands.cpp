#include "gui/handheld/PocketPcCommands.h"

#include <optional>

#include "core/handheld/DesktopFileCopies.h"
#include "core/handheld/HandheldPaths.h"
#include "core/handheld/SyncFolderLookup.h"
#include "gui/handheld/HandheldSetup.h"
#include "gui/ui/AppState.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::handheld {

namespace core = ::courtlog::handheld;
using core::TransferDirection;

namespace {

// The texts that tell a team command from a game command.
struct FileKind {
    QString desktopFilters;  // "PC Team File (*.tem)|*.tem|"
    QString deviceFilters;   // "Pocket PC Team File (*.tem)|*.tem|"
    QString deviceSaveFilters;
    QString extension;
    FileFolder desktopFolder;  // where desktop files of the kind are chosen
};

const FileKind kTeamFiles{
    QStringLiteral("PC Team File (*.tem)|*.tem|"), QStringLiteral("Pocket PC Team File (*.tem)|*.tem|"),
    QStringLiteral("Pocket PC Team File (*.tem)|*.tem"), QStringLiteral("tem"), FileFolder::Teams};
const FileKind kGameFiles{
    QStringLiteral("PC Game File (*.gam)|*.gam|"), QStringLiteral("Pocket PC Game File (*.gam)|*.gam|"),
    QStringLiteral("Pocket PC Game File (*.gam)|*.gam|"), QStringLiteral("gam"), FileFolder::Games};

// A dialog in the device's folder, or (directory empty) in the folder
// remembered for the desktop files of kind.
std::optional<QString> chooseFile(QWidget* owner, bool save, const FileKind& kind, const QString& filters,
                                  const QString& directory, const QString& name = {}) {
    const QString& extension = kind.extension;
    ui::FileDialogOptions options;
    if (directory.isEmpty()) options.folder = kind.desktopFolder;
    options.filters = filters;
    options.defaultExtension = extension;
    options.initialDirectory = directory;
    options.initialName = name;
    options.mustExist = !save;
    const std::optional<ui::FileChoice> choice = save ? ui::getSaveFile(owner, options) : ui::getOpenFile(owner, options);
    if (!choice || choice->path.isEmpty()) return std::nullopt;
    return choice->path;
}

// The synchronised folder of the device, asking partner by partner; says so
// and gives nullopt when none is taken.
std::optional<QString> findSyncFolder(QWidget* owner, TransferDirection direction) {
    const std::optional<std::string> folder =
        core::findSyncFolder(handheldFolders().partners, direction, [owner](const core::HandheldMessage& question) {
            return showHandheldMessage(owner, question, ui::MessageButtons::YesNo) == ui::ResultYes;
        });
    if (!folder) {
        showHandheldMessage(owner, core::syncFolderMissingMessage());
        return std::nullopt;
    }
    return ui::fromRecordPath(*folder);
}

core::HandheldOutcome load(const QString& path, Team& team) { return core::loadTeamFile(ui::toRecordPath(path), team); }
core::HandheldOutcome load(const QString& path, Game& game) { return core::loadGameFile(ui::toRecordPath(path), game); }
core::HandheldOutcome saveCopy(Team& team, const QString& path) { return core::saveTeamCopy(team, ui::toRecordPath(path)); }
core::HandheldOutcome saveCopy(Game& game, const QString& path) { return core::saveGameCopy(game, ui::toRecordPath(path)); }

// A desktop file to the device's folder.
template <typename Record>
void exportToDevice(QWidget* owner, const FileKind& kind, Record record) {
    const std::optional<QString> source = chooseFile(owner, false, kind, kind.desktopFilters, QString());
    if (!source) return;
    if (const core::HandheldOutcome loaded = load(*source, record); !loaded) {
        showHandheldMessage(owner, loaded.message);
        return;
    }
    const std::optional<QString> folder = findSyncFolder(owner, TransferDirection::Export);
    if (!folder) return;
    const std::optional<QString> destination =
        chooseFile(owner, true, kind, kind.deviceSaveFilters, *folder,
                   ui::fromRecordPath(core::fileNameOf(ui::toRecordPath(*source))));
    if (!destination) return;
    if (const core::HandheldOutcome saved = saveCopy(record, *destination); !saved)
        showHandheldMessage(owner, saved.message);
}

// A file the device left in its folder, saved as a desktop file.
template <typename Record>
void importFromDevice(QWidget* owner, const FileKind& kind, Record record) {
    const std::optional<QString> folder = findSyncFolder(owner, TransferDirection::Import);
    if (!folder) return;
    const std::optional<QString> source = chooseFile(owner, false, kind, kind.deviceFilters, *folder);
    if (!source) return;
    if (const core::HandheldOutcome loaded = load(*source, record); !loaded) {
        showHandheldMessage(owner, loaded.message);
        return;
    }
    const std::optional<QString> destination =
        chooseFile(owner, true, kind, kind.desktopFilters, QString(),
                   ui::fromRecordPath(core::fileNameOf(ui::toRecordPath(*source))));
    if (!destination) return;
    if (const core::HandheldOutcome saved = saveCopy(record, *destination); !saved)
        showHandheldMessage(owner, saved.message);
}

Game newGame() { return Game(ui::programSettings().league.halves); }

}  // namespace

void teamToPocketPcCommand(QWidget* owner) { exportToDevice(owner, kTeamFiles, Team{}); }

void gameToPocketPcCommand(QWidget* owner) { exportToDevice(owner, kGameFiles, newGame()); }

void gameFromPocketPcCommand(QWidget* owner) {
    // A game read now would take the place of the one being scored.
    if (ui::appState().gameInProgress) return;
    importFromDevice(owner, kGameFiles, newGame());
}

void teamFromPocketPcCommand(QWidget* owner) { importFromDevice(owner, kTeamFiles, Team{}); }

}  // namespace courtlog::gui::handheld
