#include "cli/StatsExport.h"

#include <ostream>
#include <string>

#include "core/output/ExportFile.h"
#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "core/output/StatisticsExport.h"
#include "core/records/Settings.h"
#include "cli/ExitStatus.h"
#include "cli/VerbSettings.h"

namespace courtlog::cli {

namespace {

output::ExportKind kindOf(StatsRequest::Output output) {
    switch (output) {
    case StatsRequest::Output::Html: return output::ExportKind::Html;
    case StatsRequest::Output::Benchboss: return output::ExportKind::Benchboss;
    case StatsRequest::Output::Csv:
    case StatsRequest::Output::Json: break;
    }
    return output::ExportKind::CommaDelimited;
}

}  // namespace

int writeStatsExport(const StatsRequest& request, const std::vector<StatLine>& lines, std::ostream& err) {
    Settings settings;
    if (!readVerbSettings(request.settings, request.settingsGiven, settings, err)) return kExitFailed;
    const std::string title = stats::StatisticsSets(request.selection()).htmlTitle(request.set);
    // On the command line an existing file is replaced without asking.
    const output::ExportKind kind = kindOf(request.output);
    const std::string text =
        output::statisticsExportText(kind, lines, title, output::HtmlStyle::fromSettings(settings),
                                     output::ExportMode::Overwrite, output::localTimeNow());
    std::string reason;
    if (!output::writeExportText(request.outPath, output::ExportMode::Overwrite, text,
                                 output::statisticsExportEncoding(kind), &reason)) {
        err << "Can't save " << request.outPath << " !" << (reason.empty() ? "" : " " + reason) << "\n";
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace courtlog::cli
