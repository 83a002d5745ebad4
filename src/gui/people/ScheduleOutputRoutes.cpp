#include "gui/people/ScheduleOutputRoutes.h"

#include <QString>

#include "core/output/ExportKind.h"
#include "core/output/HtmlStyle.h"
#include "core/output/ScheduleExport.h"
#include "core/records/Schedule.h"
#include "gui/people/SchedulePrintout.h"
#include "gui/ui/ExportToFile.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::people {

void exportScheduleFile(QWidget* owner, const Schedule& schedule) {
    ui::FileDialogOptions options;
    options.title = QStringLiteral("Select file name to save as");
    // exportToFile asks whether to append to a file that exists or replace it.
    options.askBeforeReplacing = false;
    options.filters = QString::fromLatin1(courtlog::output::kTextOrPageFilters.data(),
                                          courtlog::output::kTextOrPageFilters.size());
    // No fixed extension: a name without one takes the chosen filter's.
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;
    const bool html = courtlog::output::exportKindChosen(ui::toRecordPath(choice->path), choice->filterIndex,
                                                         courtlog::output::kTextOrPageKinds) ==
                      courtlog::output::ExportKind::Html;
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
