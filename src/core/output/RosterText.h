#pragma once

#include <string>
#include <string_view>

#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "core/records/Team.h"

namespace courtlog::output {

// A team's roster as the team editor's "S&ave As" writes it.

// What the save dialog offers, in filter order (1, 2, 3).
inline constexpr std::string_view kRosterSaveTitle = "Select file name to save as";
inline constexpr std::string_view kRosterSaveFilters =
    "Team File (*.tem)|*.tem|Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|";

enum class RosterOutputKind { TeamFile, CommaDelimited, Html };

// True when a file name asks for a web page whatever filter was chosen: its
// last five characters hold "htm", in any case ("roster.html", "ROSTER.HTM").
bool namesHtmlPage(std::string_view path);

// The kind a chosen name is written as: a web page when the name asks for
// one or the third filter was chosen; otherwise a team file for the first
// filter and comma-delimited text for any other.
RosterOutputKind rosterOutputKind(std::string_view path, int filterIndex);

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

// Either of the two, for kind CommaDelimited or Html (TeamFile writes none).
std::string rosterText(const Team& team, RosterOutputKind kind, bool withPersonalInfo, bool withPageHead,
                       const HtmlStyle& style, const ClockReading& now);

}  // namespace courtlog::output
