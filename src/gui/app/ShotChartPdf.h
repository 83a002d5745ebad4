#pragma once

#include <string>
#include <vector>

#include "gui/app/PdfCommand.h"

namespace courtlog::gui::app {

// "pdf shots": the words of "courtlog shots" choose the chart; the page is
// the one the chart's "&Print" previews.
PdfRequest prepareShotChartPdf(const std::vector<std::string>& args);

}  // namespace courtlog::gui::app
