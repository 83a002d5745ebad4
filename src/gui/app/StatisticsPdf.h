#pragma once

#include <string>
#include <vector>

#include "gui/app/PdfCommand.h"

namespace courtlog::gui::app {

// "courtlog pdf stats (--team NAME [--opponents|--combined] | --all) [--fit]
// GAME... OUT.pdf": the statistics printout of the set the Statistics
// dialog's tab would show, fitted to the page's width with --fit.
PdfRequest prepareStatisticsPdf(const std::vector<std::string>& args);

}  // namespace courtlog::gui::app
