#pragma once

#include <string>

#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "core/records/Schedule.h"

namespace courtlog::output {

// The schedule as comma-delimited text: the line
// "Date,Time,Event,Home,Visitor,Field,Note", then for each entry in list
// order a line break and its date (month/day/year), time ("%02d:%02d"),
// kind text, home name, visitor name, court and note. A text holding a
// comma, quote or line break is quoted, so every line keeps seven fields.
// No line break after the last line.
std::string scheduleCsv(const Schedule& schedule);

// The schedule as an HTML table in the program's page style: the page head
// (subject "Schedule") when withPageHead, a table with a heading row of the
// same seven titles and one row per entry, rows alternating from the
// primary row colour, then the page foot dated now.
std::string scheduleHtml(const Schedule& schedule, const HtmlStyle& style, bool withPageHead,
                         const ClockReading& now);

}  // namespace courtlog::output
