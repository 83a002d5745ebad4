// File > Team: New, Edit and Import.

#include <QFileInfo>

#include "app/AppState.h"
#include "app/CommandRoutes.h"
#include "people/TeamEdit.h"
#include "people/TeamSave.h"
#include "records/Team.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"

namespace courtlog::app {

namespace {

// Reads a comma-delimited or plain-text roster into team; shows why not.
bool importRoster(QWidget* owner, Team& team, const QString& path) {
    const Team::ImportResult result = team.importFrom(path.toStdString());
    if (result.ok) return true;
    QString text;
    if (result.badLine > 0)
        text = QStringLiteral("Invalid Import Format, line number %1").arg(result.badLine);
    else if (!result.error.empty())
        text = QString::fromStdString(result.error);
    else
        text = QStringLiteral("Can't read %1").arg(path);
    ui::showMessage(owner, text, QStringLiteral("Error"), ui::MessageButtons::Ok,
                    ui::MessageIcon::Exclamation);
    return false;
}

void editAndSave(QWidget* owner, Team& team) {
    people::TeamEdit editor(team, owner);
    if (editor.run() == 1) people::saveTeam(owner, team);
}

}  // namespace

void newTeamCommand(QWidget* owner) {
    Team team;
    people::TeamEdit editor(team, owner);
    if (editor.run() != 1) return;
    ui::FileDialogOptions options;
    options.filters = QStringLiteral("Team Files (*.tem)|*.tem|");
    options.defaultExtension = QStringLiteral("tem");
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;
    people::writeTeamFile(owner, team, choice->path);
}

void editTeamCommand(QWidget* owner) {
    ui::FileDialogOptions options;
    options.filters = QStringLiteral("Team File (*.tem)|*.tem|Comma Delimited Format (*.csv)|*.csv");
    // No fixed extension: a name without one takes the chosen filter's.
    options.initialDirectory = appState().homeDirectory;
    options.mustExist = true;
    const std::optional<ui::FileChoice> choice = ui::getOpenFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;

    // The name's extension decides before the filter does: a roster picked
    // while the team-file filter shows is still a roster, and the other way
    // round.
    const QString suffix = QFileInfo(choice->path).suffix();
    const bool commaDelimited =
        suffix.compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0 ||
        (suffix.compare(QStringLiteral("tem"), Qt::CaseInsensitive) != 0 && choice->filterIndex == 2);
    Team team;
    if (commaDelimited) {
        if (!importRoster(owner, team, choice->path)) return;
    } else {
        team.fileName = choice->path.toStdString();
        if (!team.load()) {
            ui::showMessage(owner, QStringLiteral("Can't load team !"),
                            QStringLiteral("File corrupt or missing ?"), ui::MessageButtons::Ok,
                            ui::MessageIcon::Exclamation);
            return;
        }
    }
    editAndSave(owner, team);
}

void importTeamCommand(QWidget* owner) {
    ui::FileDialogOptions options;
    options.title = QStringLiteral("Import Team");
    options.filters = QStringLiteral("Comma Delimited Format (*.csv)|*.csv|Text Format (*.txt)|*.txt|");
    options.initialDirectory = appState().homeDirectory;
    options.mustExist = true;
    const std::optional<ui::FileChoice> choice = ui::getOpenFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;

    Team team;
    if (!importRoster(owner, team, choice->path)) return;
    // On OK the team is saved as a team file beside the roster it came from.
    editAndSave(owner, team);
}

}  // namespace courtlog::app
