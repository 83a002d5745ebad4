#include "gui/app/ShotChartPdf.h"

#include <sstream>

#include "cli/ShotChartRequest.h"
#include "gui/stats/ShotChartPrintout.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::app {

PdfRequest prepareShotChartPdf(const std::vector<std::string>& args) {
    cli::ShotChartRequest request;
    std::string error;
    if (!cli::parseShotChartRequest(args, request, error)) return PdfRequest::wrongArguments(error);
    scoring::ThreePointArc arc{};
    if (!cli::readCourtArc(request, arc, error)) return PdfRequest::failed(error);
    courtlog::stats::ShotAnalysis analysis = request.analysis();
    std::ostringstream problems;
    cli::GamesRead read = cli::GamesRead::All;
    const bool collected = cli::collectShots(request, analysis, problems, read);
    std::string message = problems.str();
    if (!message.empty() && message.back() == '\n') message.pop_back();
    if (!collected) return PdfRequest::failed(message);
    // A file left out is said now; the command fails once the PDF is written.
    if (!message.empty()) std::fputs((message + "\n").c_str(), stderr);

    const auto filter = request.filter();
    const auto& period = courtlog::stats::periodChoices()[request.period];
    stats::ShotChartPageTexts texts{ui::fromRecordText(courtlog::stats::chartTitle(analysis.selection(), analysis.teamName())),
                                    QString::fromStdString(courtlog::stats::chartSubtitle(request.kind, period.name))};
    return PdfRequest::ready(std::make_unique<stats::ShotChartPrintout>(
        texts, courtlog::stats::shotChartFigures(analysis, filter, arc), static_cast<int>(arc)),
        cli::statusAfterOutput(read));
}

}  // namespace courtlog::gui::app
