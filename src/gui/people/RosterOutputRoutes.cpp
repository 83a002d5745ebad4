#include "gui/people/RosterOutputRoutes.h"

#include "core/output/ExportFile.h"
#include "core/output/ExportFileName.h"
#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "core/output/RosterText.h"
#include "core/records/PlayerEntry.h"
#include "core/records/Team.h"
#include "gui/people/RosterPrintout.h"
#include "gui/people/TeamSave.h"
#include "gui/ui/ExportToFile.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/Printing.h"
#include "gui/ui/PageFrame.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::people {

namespace {

using output::ExportKind;

constexpr std::size_t kTeamTextChars = 24;

// Comma-delimited text or a web page into path: appended to the file or
// replacing it, as the user answers when it exists.
void writeRosterText(QWidget* owner, const Team& team, const QString& path, ExportKind kind) {
    const output::ExportEncoding encoding = output::pageOrCsvEncoding(kind == ExportKind::Html);
    ui::exportToFile(
        owner, path, encoding,
        [&](output::ExportMode mode) {
            // A team held in a game has no personal information to include.
            const bool personal =
                !team.noPersonalInfo &&
                ui::showMessage(owner, QStringLiteral("Include Player's Personal Info ?"), path,
                                ui::MessageButtons::YesNo, ui::MessageIcon::Question) == ui::ResultYes;
            return output::rosterText(team, kind, personal, output::writesPageHead(mode),
                                      output::HtmlStyle::fromSettings(ui::programSettings()),
                                      output::localTimeNow());
        },
        ui::QuestionSound::Click);
}

}  // namespace

void applyTypedTexts(Team& team, const TeamEditorTexts& typed) {
    // Blanks around a typed name are never part of it.
    team.name = trimmedName(ui::toRecordText(typed.name, std::string::npos), kTeamTextChars);
    team.coach = trimmedName(ui::toRecordText(typed.coach, std::string::npos), kTeamTextChars);
    team.assistant = trimmedName(ui::toRecordText(typed.assistant, std::string::npos), kTeamTextChars);
}

void saveRosterAs(QWidget* owner, Team& team, const TeamEditorTexts& typed) {
    ui::FileDialogOptions options;
    options.title = QString::fromLatin1(output::kRosterSaveTitle.data(), output::kRosterSaveTitle.size());
    options.filters =
        QString::fromLatin1(output::kRosterSaveFilters.data(), output::kRosterSaveFilters.size());
    // No fixed extension: a name without one takes the chosen filter's, and
    // whether the file exists is asked of that complete name, below: a team
    // file is replaced or not, a text file may also be appended to.
    options.askBeforeReplacing = false;
    options.folder = FileFolder::Exports;
    // The team file by the team's name, the roster files as its roster, as
    // typed so far.
    Team shown = team;
    applyTypedTexts(shown, typed);
    const QString rosterName = QString::fromStdString(output::teamExportName(shown, "roster"));
    options.suggestedNames = {QString::fromStdString(output::teamExportName(shown, {})), rosterName,
                              rosterName};
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;
    const QString& path = choice->path;
    const ExportKind kind = output::exportKindChosen(ui::toRecordPath(path), choice->filterIndex, output::kRosterSaveKinds);

    if (kind != ExportKind::TeamFile) {
        // The file shows the names as typed; the team keeps its own until
        // the editor's OK.
        writeRosterText(owner, shown, path, kind);
        return;
    }
    applyTypedTexts(team, typed);
    if (output::exportFileExists(ui::toRecordPath(path)) && !ui::confirmReplacing(owner, path)) return;
    // The team's file becomes the new one only once it is written there.
    saveTeamAsking(owner, team, path);
}

void printRoster(QWidget* owner, Team& team, const TeamEditorTexts& typed) {
    Team shown = team;
    applyTypedTexts(shown, typed);
    RosterPrintout printout(shown, rosterLogo(shown),
                            ui::printedFootLink());
    ui::printWithPreview(owner, printout);
}

}  // namespace courtlog::gui::people
