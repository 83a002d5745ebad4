#include "gui/app/StatisticsPdf.h"

#include <iostream>
#include <memory>
#include <sstream>

#include "cli/StatsRequest.h"
#include "core/stats/StatisticsSets.h"
#include "gui/stats/StatisticsPrintout.h"

namespace courtlog::gui::app {

PdfRequest prepareStatisticsPdf(const std::vector<std::string>& args) {
    cli::StatsRequest request;
    std::string error;
    if (!cli::parseStatsRequest(args, cli::StatsWords::Printout, request, error))
        return PdfRequest::wrongArguments(error);
    courtlog::stats::StatisticsSets sets(request.selection());
    sets.compute();
    std::ostringstream problems;
    const cli::GamesRead read = cli::reportLoadProblems(sets.loadProblems(), problems);
    if (read == cli::GamesRead::Missing) {
        std::string text = problems.str();
        if (!text.empty() && text.back() == '\n') text.pop_back();
        return PdfRequest::failed(text);
    }
    std::cerr << problems.str();

    return PdfRequest::ready(std::make_unique<stats::StatisticsPrintout>(
                                 stats::StatisticsPrintout::contentOf(sets, request.set, request.fit)),
                             cli::statusAfterOutput(read));
}

}  // namespace courtlog::gui::app
