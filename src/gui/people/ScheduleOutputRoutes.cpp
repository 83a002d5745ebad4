#include "gui/people/ScheduleOutputRoutes.h"

#include <QString>

#include "core/output/ExportFileName.h"
#include "core/output/HtmlStyle.h"
#include "core/output/ScheduleExport.h"
#include "core/records/Schedule.h"
#include "gui/people/SchedulePrintout.h"
#include "gui/ui/ExportToFile.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"

namespace courtlog::gui::people {

void exportScheduleFile(QWidget* owner, const Schedule& schedule) {
    ui::FileDialogOptions options;
    options.title = QStringLiteral("Select file name to save as");
    // exportToFile asks whether to append to a file that exists or replace it.
    options.askBeforeReplacing = false;
    options.filters = QStringLiteral("Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|");
    // No fixed extension: a name without one takes the chosen filter's.
    options.folder = FileFolder::Exports;
    options.suggestedNames = {QString::fromStdString(courtlog::output::scheduleExportName(schedule))};
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;
    // The kind typed or chosen in the dialog.
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
