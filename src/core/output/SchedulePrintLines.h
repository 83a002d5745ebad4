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
// so that this many characters and six more fit across the page, within
// the sizes it allows.
std::size_t longestLineLength(const std::vector<std::string>& lines);

// A line as printed in columns characters: whole when it fits, else broken
// after the last word that fits, each further part starting under the
// event (after the date and the time); a word longer than a part is cut.
inline constexpr std::size_t kScheduleContinuationIndent = 17;
std::vector<std::string> wrappedSchedulePrintLine(const std::string& line, std::size_t columns);

// How many lines a printed schedule page holds: lines follow one another a
// line height apart from firstLineTop, and after each line the page ends
// when fewer than two line heights are left above pageBottom. Every page
// holds at least one line.
int scheduleLinesPerPage(int firstLineTop, int lineHeight, int pageBottom);
// The pages of the printed lines of all entries, entry i having
// linesOfEntries[i] of them: the first line of each page. An entry's lines
// stay on one page unless it alone is longer than a page. One page also
// for no entries (it shows the header).
std::vector<std::size_t> schedulePageStarts(const std::vector<std::size_t>& linesOfEntries, int linesPerPage);

}  // namespace courtlog::output
