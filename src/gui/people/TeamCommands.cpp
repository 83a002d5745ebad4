// File > Team: New, Edit and Import.

#include <QFileInfo>

#include "gui/people/TeamCommands.h"
#include "gui/people/TeamEdit.h"
#include "gui/people/TeamSave.h"
#include "core/records/FileKind.h"
#include "core/records/Team.h"
#include "core/records/TeamDamage.h"
#include "gui/ui/AppState.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::people {

namespace {

// Reads a comma-delimited or plain-text roster into team; shows why not.
bool importRoster(QWidget* owner, Team& team, const QString& path) {
    const Team::ImportResult result = team.importFrom(ui::toRecordPath(path));
    if (result.ok) return true;
    QString text;
    // The reader's own words first: an invalid line, or a character a team
    // file cannot hold.
    if (!result.error.empty())
        text = QString::fromStdString(result.error);
    else if (result.badLine > 0)
        text = QStringLiteral("Invalid Import Format, line number %1").arg(result.badLine);
    else
        text = QStringLiteral("Can't read %1").arg(path);
    ui::showMessage(owner, text, QStringLiteral("Error"), ui::MessageButtons::Ok,
                    ui::MessageIcon::Exclamation);
    return false;
}

void editAndSave(QWidget* owner, Team& team) {
    TeamEdit editor(team, owner);
    if (editor.run() == 1) saveTeam(owner, team);
}

}  // namespace

void newTeamCommand(QWidget* owner) {
    Team team;
    TeamEdit editor(team, owner);
    // A new team has no file name yet: saving asks for one.
    if (editor.run() == 1) saveTeam(owner, team);
}

void editTeamCommand(QWidget* owner) {
    ui::FileDialogOptions options;
    options.filters = QStringLiteral("Team File (*.tem)|*.tem|Comma Delimited Format (*.csv)|*.csv");
    // No fixed extension: a name without one takes the chosen filter's.
    options.folder = FileFolder::Teams;
    options.mustExist = true;
    const std::optional<ui::FileChoice> choice = ui::getOpenFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;

    // The name's extension decides before the filter does: a roster picked
    // while the team-file filter shows is still a roster, and the other way
    // round.
    const FileKind kind = fileKindOf(ui::toRecordPath(choice->path));
    const bool commaDelimited = kind == FileKind::CommaDelimited || (kind != FileKind::Team && choice->filterIndex == 2);
    openTeamFile(owner, choice->path, commaDelimited);
}

void openTeamFile(QWidget* owner, const QString& path, bool roster) {
    Team team;
    if (roster) {
        if (!importRoster(owner, team, path)) return;
    } else {
        team.fileName = ui::toRecordPath(path);
        if (!team.load()) {
            ui::showMessage(owner, QStringLiteral("Can't load team !"),
                            QStringLiteral("File corrupt or missing ?"), ui::MessageButtons::Ok,
                            ui::MessageIcon::Exclamation);
            return;
        }
        // A damaged file is said so before its team is shown, not first
        // when OK would write it back.
        const std::string damage = teamDamageText(team, ui::toRecordPath(QFileInfo(path).fileName()));
        if (!damage.empty() &&
            ui::showMessage(owner, QString::fromStdString(damage) + QStringLiteral("\n\nOpen what could be read?"),
                            QString::fromLatin1(kDamagedTeamCaption), ui::MessageButtons::OkCancel,
                            ui::MessageIcon::Exclamation) != ui::ResultOk)
            return;
    }
    editAndSave(owner, team);
}

void importTeamCommand(QWidget* owner) {
    ui::FileDialogOptions options;
    options.title = QStringLiteral("Import Team");
    options.filters = QStringLiteral("Comma Delimited Format (*.csv)|*.csv|Text Format (*.txt)|*.txt|");
    options.folder = FileFolder::Teams;
    options.mustExist = true;
    const std::optional<ui::FileChoice> choice = ui::getOpenFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;

    Team team;
    if (!importRoster(owner, team, choice->path)) return;
    // On OK the team is saved as a team file beside the roster it came from.
    editAndSave(owner, team);
}

}  // namespace courtlog::gui::people
