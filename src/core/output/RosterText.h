#pragma once

#include <string>
#include <string_view>

#include "core/output/ExportKind.h"
#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "core/records/Team.h"

namespace courtlog::output {

// A team's roster as the team editor's "S&ave As" writes it.

// The save dialog's title; its filters are kRosterSaveFilters (ExportKind.h).
inline constexpr std::string_view kRosterSaveTitle = "Select file name to save as";

// The roster as comma-delimited text: the team, coach and logo lines, the
// headings and one line per player with 4 fields, or 12 withPersonalInfo.
// Texts that would split a field are quoted.
std::string rosterCommaDelimited(const Team& team, bool withPersonalInfo);

// The roster as an HTML page in style: withPageHead the page head (the team
// name as subject; left out when appending), a table of 4 columns (12
// withPersonalInfo) with the team name, coach and assistant above the
// heading row, one row per player in alternating colours, and the page foot
// dated now. Record texts are escaped.
std::string rosterHtml(const Team& team, bool withPersonalInfo, bool withPageHead, const HtmlStyle& style,
                       const ClockReading& now);

// Either of the two, for kind CommaDelimited or Html (any other writes none).
std::string rosterText(const Team& team, ExportKind kind, bool withPersonalInfo, bool withPageHead,
                       const HtmlStyle& style, const ClockReading& now);

}  // namespace courtlog::output
