#include "gui/people/ScheduleOutputRoutes.h"

#include <QString>

#include "core/output/ExportFileName.h"
#include "core/output/ExportKind.h"
#include "core/output/HtmlStyle.h"
#include "core/output/ScheduleCalendar.h"
#include "core/output/ScheduleExport.h"
#include "core/records/Schedule.h"
#include "gui/people/SchedulePrintout.h"
#include "gui/ui/ExportToFile.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/SaveFailure.h"

namespace courtlog::gui::people {

namespace {

// A calendar is one whole file: it replaces an existing one (after asking),
// never follows it. Entries left out are listed once it is written.
void exportCalendar(QWidget* owner, const Schedule& schedule, const QString& path) {
    const courtlog::output::ScheduleCalendar calendar =
        courtlog::output::scheduleCalendar(schedule, courtlog::output::utcTimeNow());
    if (calendar.events == 0) {
        ui::showWarning(owner, QStringLiteral("The schedule has no entry with a date to put in a calendar."), path);
        return;
    }
    const std::string file = ui::toRecordPath(path);
    const bool exists = courtlog::output::exportFileExists(file);
    if (exists && ui::showMessage(owner, QStringLiteral("Overwrite Existing File?"), path, ui::MessageButtons::YesNo,
                                  ui::MessageIcon::Question) != ui::ResultYes)
        return;
    std::string reason;
    const auto mode = exists ? courtlog::output::ExportMode::Overwrite : courtlog::output::ExportMode::NewFile;
    if (!courtlog::output::writeExportFile(file, mode, calendar.text, &reason)) {
        ui::showFileSaveFailure(owner, path, reason);
        return;
    }
    if (calendar.warnings.empty()) return;
    QString text;
    for (const std::string& warning : calendar.warnings) text += QString::fromStdString(warning) + QLatin1Char('\n');
    ui::showMessage(owner, text.trimmed(), path, ui::MessageButtons::Ok, ui::MessageIcon::Exclamation);
}

}  // namespace

void exportScheduleFile(QWidget* owner, const Schedule& schedule) {
    ui::FileDialogOptions options;
    options.title = QStringLiteral("Select file name to save as");
    // exportToFile asks whether to append to a file that exists or replace
    // it; a calendar asks whether to replace it.
    options.askBeforeReplacing = false;
    options.filters = QStringLiteral(
        "Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|Calendar (*.ics)|*.ics|");
    // No fixed extension: a name without one takes the chosen filter's.
    options.folder = FileFolder::Exports;
    options.suggestedNames = {QString::fromStdString(courtlog::output::scheduleExportName(schedule))};
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;
    // The kind typed or chosen in the dialog: 1 comma-delimited, 2 web
    // page, 3 calendar.
    if (choice->filterIndex == 3) {
        exportCalendar(owner, schedule, choice->path);
        return;
    }
    const bool html = choice->filterIndex == 2;
    const auto style = courtlog::output::HtmlStyle::fromSettings(ui::programSettings());
    ui::exportToFile(owner, choice->path, courtlog::output::pageOrCsvEncoding(html),
                     [&](courtlog::output::ExportMode mode) {
                         return html ? courtlog::output::scheduleHtml(schedule, style,
                                                                      courtlog::output::writesPageHead(mode),
                                                                      courtlog::output::localTimeNow())
                                     : courtlog::output::scheduleCsv(schedule);
                     });
}

void printScheduleList(QWidget* owner, const Schedule& schedule) {
    SchedulePrintout printout(schedule, courtlog::output::localTimeNow());
    ui::printWithPreview(owner, printout);
}

}  // namespace courtlog::gui::people
