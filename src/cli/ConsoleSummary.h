#pragma once

// The console summary is computed in the core, where the scoreboard feed
// uses it too; the command-line tool prints it.
#include "core/scoring/ConsoleSummary.h"

namespace courtlog::cli {

using scoring::consoleSummary;
using scoring::writeConsoleSummary;

}  // namespace courtlog::cli
