#include "gui/people/RosterOutputRoutes.h"

#include <QFileInfo>

#include "gui/ui/NotYetAvailable.h"
#include "gui/people/TeamSave.h"
#include "core/records/Team.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/Sound.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::people {

namespace {

constexpr std::size_t kTeamTextChars = 24;

enum class RosterOutputKind { TeamFile, CommaDelimited, Html };

RosterOutputKind outputKindFor(const QString& path, int filterIndex) {
    const bool htmlName =
        path.size() > 4 && path.right(5).contains(QStringLiteral("htm"), Qt::CaseInsensitive);
    if (htmlName || filterIndex == 3) return RosterOutputKind::Html;
    if (filterIndex == 1) return RosterOutputKind::TeamFile;
    return RosterOutputKind::CommaDelimited;
}

}  // namespace

void applyTypedTexts(Team& team, const TeamEditorTexts& typed) {
    team.name = ui::toRecordText(typed.name, kTeamTextChars);
    team.coach = ui::toRecordText(typed.coach, kTeamTextChars);
    team.assistant = ui::toRecordText(typed.assistant, kTeamTextChars);
}

void saveRosterAs(QWidget* owner, Team& team, const TeamEditorTexts& typed) {
    ui::FileDialogOptions options;
    options.title = QStringLiteral("Select file name to save as");
    options.filters = QStringLiteral(
        "Team File (*.tem)|*.tem|Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|");
    // No fixed extension: a name without one takes the chosen filter's.
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;

    const RosterOutputKind kind = outputKindFor(choice->path, choice->filterIndex);
    if (kind != RosterOutputKind::TeamFile) {
        ui::showMessage(owner,
                        ui::notYetAvailableText(
                            QStringLiteral("Saving a roster as comma-delimited text or as a web page")) +
                            QStringLiteral("\nChoose \"Team File (*.tem)\" to save the team now."),
                        {}, ui::MessageButtons::Ok, ui::MessageIcon::Information);
        return;
    }

    applyTypedTexts(team, typed);
    const QString& path = choice->path;
    if (QFileInfo::exists(path)) {
        ui::playSoundEffect(ui::SoundClick);
        const int answer = ui::showMessage(owner, QStringLiteral("Overwrite Existing File?"), path,
                                           ui::MessageButtons::YesNo, ui::MessageIcon::Question);
        if (answer != ui::ResultYes) return;
    }
    team.fileName = ui::toRecordPath(path);
    saveTeam(owner, team);
}

void printRoster(QWidget* owner, Team&, const TeamEditorTexts&) {
    ui::showMessage(owner, ui::notYetAvailableText(QStringLiteral("Printing the roster")), {},
                    ui::MessageButtons::Ok, ui::MessageIcon::Information);
}

}  // namespace courtlog::gui::people
