#include "gui/people/AddressListOutput.h"

#include <QString>

#include "core/output/AddressList.h"
#include "core/output/ExportFile.h"
#include "core/output/ExportFileName.h"
#include "core/output/ExportKind.h"
#include "core/output/HtmlStyle.h"
#include "core/records/Team.h"
#include "gui/people/AddressListPrintout.h"
#include "gui/ui/ExportToFile.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::people {

void exportAddressList(QWidget* owner, const Team& team) {
    ui::FileDialogOptions options;
    options.title = QStringLiteral("Export Address List");
    // exportToFile asks whether to append to a file that exists or replace it.
    options.askBeforeReplacing = false;
    options.filters = QString::fromLatin1(output::kTextOrPageFilters.data(), output::kTextOrPageFilters.size());
    options.folder = FileFolder::Exports;
    options.suggestedNames = {QString::fromStdString(output::teamExportName(team, "address list"))};
    const std::optional<ui::FileChoice> choice = ui::getSaveFile(owner, options);
    if (!choice || choice->path.isEmpty()) return;
    const bool html = output::exportKindChosen(ui::toRecordPath(choice->path), choice->filterIndex,
                                               output::kTextOrPageKinds) == output::ExportKind::Html;
    const output::HtmlStyle style = output::HtmlStyle::fromSettings(ui::programSettings());
    ui::exportToFile(owner, choice->path, output::pageOrCsvEncoding(html), [&](output::ExportMode mode) {
        return output::addressListText(team, html, output::writesPageHead(mode), style,
                                       output::localTimeNow());
    });
}

void printAddressList(QWidget* owner, const Team& team) {
    AddressListPrintout printout(team);
    ui::printWithPreview(owner, printout);
}

}  // namespace courtlog::gui::people
