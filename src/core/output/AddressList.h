#pragma once

#include <string>
#include <vector>

#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "core/records/Team.h"

namespace courtlog::output {

// The team's address list, as the personal-information dialog exports it:
// one entry per player with name, phone, birthday, address, city, state,
// zip, e-mail and note.

// Comma-delimited: the heading line "Name,Phone,Birthday,Address,City,State,
// Zip,e-mail,Note", then for each player a line end and his nine values;
// no line end after the last. Texts that would split a field are quoted.
std::string addressListCommaDelimited(const Team& team);

// An HTML page in style: withPageHead the page head ("Address/Phone List";
// left out when appending), a table of nine columns titled with the team's
// name, one row per player in alternating colours with the e-mail address as
// a mailto link, and the page foot dated now. Record texts are escaped.
std::string addressListHtml(const Team& team, bool withPageHead, const HtmlStyle& style,
                            const ClockReading& now);

// Either of the two.
std::string addressListText(const Team& team, bool html, bool withPageHead, const HtmlStyle& style,
                            const ClockReading& now);

}  // namespace courtlog::output
