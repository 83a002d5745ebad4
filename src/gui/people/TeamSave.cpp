#include "gui/people/TeamSave.h"

#include <QDir>
#include <QFileInfo>

#include "core/records/FileKind.h"
#include "core/records/Team.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/SaveFailure.h"

namespace courtlog::gui::people {

namespace {

const QString kTeamFilter = QStringLiteral("Team Files (*.tem)|*.tem|");

std::optional<QString> askTeamFileName(QWidget* owner, const QString& proposal) {
    ui::FileDialogOptions options;
    options.filters = kTeamFilter;
    options.defaultExtension = QStringLiteral("tem");
    options.folder = FileFolder::Teams;
    options.initialName = proposal;
    if (!proposal.isEmpty()) options.initialDirectory = QFileInfo(proposal).absolutePath();
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, options);
    if (!choice || choice->path.isEmpty()) return std::nullopt;
    return choice->path;
}

}  // namespace

bool writeTeamFile(QWidget* owner, Team& team, const QString& path) {
    std::string error;
    if (team.saveTo(ui::toRecordPath(path), &error)) return true;
    ui::showSaveFailure(owner, QStringLiteral("team"), path, error);
    return false;
}

bool saveTeam(QWidget* owner, Team& team) {
    const QString current = ui::fromRecordPath(team.fileName);
    QString path = current;
    if (current.size() < 4) {
        const std::optional<QString> chosen = askTeamFileName(owner, QString());
        if (!chosen) return false;
        path = *chosen;
    } else if (isTextRoster(fileKindOf(team.fileName))) {
        const std::optional<QString> chosen =
            askTeamFileName(owner, current.left(current.size() - 3) + "tem");
        if (!chosen) return false;
        path = *chosen;
    }
    // A team read from a damaged file is shown as it could be read; writing
    // it back over that file is the user's choice, not a side effect of OK.
    if (path == current && team.damaged) {
        const int answer = ui::showMessage(
            owner,
            QStringLiteral("%1 was damaged when it was opened: the team shows what could be read "
                           "from it, with values out of range brought into range.\n\n"
                           "Overwrite the file with the team as it is now?\n"
                           "(No lets you save it under another name.)")
                .arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Save Team"), ui::MessageButtons::YesNo, ui::MessageIcon::Question);
        if (answer != ui::ResultYes) {
            const std::optional<QString> chosen = askTeamFileName(owner, path);
            if (!chosen) return false;
            path = *chosen;
        }
    }
    return saveTeamAsking(owner, team, path);
}

bool saveTeamAsking(QWidget* owner, Team& team, QString path) {
    // A team that could not be written is not thrown away: the user is asked
    // for another file until one is written or the dialog is cancelled. The
    // team's file changes only with a file that was written.
    for (;;) {
        if (writeTeamFile(owner, team, path)) {
            team.damaged = false;
            return true;
        }
        const std::optional<QString> chosen = askTeamFileName(owner, path);
        if (!chosen) return false;
        path = *chosen;
    }
}

}  // namespace courtlog::gui::people
