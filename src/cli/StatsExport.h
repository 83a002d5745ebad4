#pragma once

#include <iosfwd>
#include <vector>

#include "cli/StatsRequest.h"
#include "core/stats/StatLine.h"

namespace courtlog::cli {

// Writes the export the request names (--csv, --html or --benchboss) of
// lines to its file through the safe save, replacing a file that is there;
// an HTML page takes its style from the request's settings file. Returns
// the exit status (done, or failed with the reason on err).
int writeStatsExport(const StatsRequest& request, const std::vector<StatLine>& lines, std::ostream& err);

}  // namespace courtlog::cli
