#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/records/Schedule.h"

namespace courtlog::output {

// The printed schedule's line for one entry:
// "%10s %5s %s - %s %s %s %s" from the date ("%02d/%02d/%04d", month first),
// the time ("%02d:%02d"), the kind text, the home name, "vs" when both team
// names are there, the visitor name and "at <court>" when there is a court;
// then " - Note:" and the note when there is one.
std::string schedulePrintLine(const ScheduleEntry& entry);

// Every entry's line, in list order.
std::vector<std::string> schedulePrintLines(const Schedule& schedule);

// The length of the longest line (0 for none): the printout sizes its font
// so that this many characters and six more fit across the page.
std::size_t longestLineLength(const std::vector<std::string>& lines);

// How many lines a printed schedule page holds: lines follow one another a
// line height apart from firstLineTop, and after each line the page ends
// when fewer than two line heights are left above pageBottom. Every page
// holds at least one line.
int scheduleLinesPerPage(int firstLineTop, int lineHeight, int pageBottom);
// Pages for lineCount lines; one page also for none (it shows the header).
int schedulePageCount(std::size_t lineCount, int linesPerPage);

}  // namespace courtlog::output
