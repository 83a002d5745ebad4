#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/output/ExportFile.h"
#include "core/output/ExportKind.h"
#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "core/stats/StatLine.h"

namespace courtlog::output {

// The three files a set of statistics lines exports to. Each writer gives
// the whole text for one set; the last line of a set is its totals line.
// Record texts stay in their single-byte form, as the records hold them;
// writeExportText encodes them for the file.

// Comma-separated: the heading "PLAYER,Teamn,GP,PP,..." and one row per
// line, each row starting with a newline (the text ends without one); counts
// as "%d", percentages and averages as "%f". A name holding a comma, a quote
// or a line break is quoted, so every row keeps its 44 fields.
std::string statisticsCsv(const std::vector<StatLine>& lines);

// The coaching program's import text: as the comma-separated file without
// the team and the eleven turnover kinds, "PLAYER,GP,PP,...,TO,TPG".
std::string statisticsBenchboss(const std::vector<StatLine>& lines);

// The HTML page (or, appending, the part after the page head): the table
// titled title with its group and heading rows, one row per line in the
// row colours, the totals line in the header colour and font, and the page
// foot. Names and the title are escaped.
std::string statisticsHtml(const std::vector<StatLine>& lines, std::string_view title, const HtmlStyle& style,
                           bool withPageHead, const ClockReading& now);

// The save dialog's filters and the kind each makes are kStatisticsExportFilters
// and kStatisticsExportKinds (ExportKind.h).

// The characters a file of kind is written in: the page and the
// comma-separated values in UTF-8; the coaching program's import text in
// the single-byte text that program reads.
ExportEncoding statisticsExportEncoding(ExportKind kind);

// The text of kind for the set, as it goes into a file in mode (an HTML page
// gets its head unless appending).
std::string statisticsExportText(ExportKind kind, const std::vector<StatLine>& lines,
                                 std::string_view htmlTitle, const HtmlStyle& style, ExportMode mode,
                                 const ClockReading& now);

}  // namespace courtlog::output
