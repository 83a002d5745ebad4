#include "gui/people/ScheduleOutputRoutes.h"

#include <QFileInfo>
#include <QString>

#include "core/output/HtmlStyle.h"
#include "core/output/ScheduleExport.h"
#include "core/records/Schedule.h"
#include "gui/people/SchedulePrintout.h"
#include "gui/ui/ExportToFile.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"

namespace courtlog::gui::people {

namespace {

// A name ending in .htm or .html is a web page and one ending in .csv is
// comma-delimited, whichever filter showed; other names follow the filter.
bool asWebPage(const QString& path, int filterIndex) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("htm") || suffix == QStringLiteral("html")) return true;
    if (suffix == QStringLiteral("csv")) return false;
    return filterIndex == 2;
}

}  // namespace

void exportScheduleFile(QWidget* owner, const Schedule& schedule) {
    ui::FileDialogOptions options;
    options.title = QStringLiteral("Select file name to save as");
    // exportToFile asks whether to append to a file that exists or replace it.
    options.askBeforeReplacing = false;
    options.filters = QStringLiteral("Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|");
    // No fixed extension: a name without one takes the chosen filter's.
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;
    const bool html = asWebPage(choice->path, choice->filterIndex);
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
