#include "core/output/SchedulePrintLines.h"

#include <algorithm>
#include <cstdio>

namespace courtlog::output {

std::string schedulePrintLine(const ScheduleEntry& entry) {
    char date[48];
    std::snprintf(date, sizeof date, "%02d/%02d/%04d", entry.date.month, entry.date.day, entry.date.year);
    char time[32];
    std::snprintf(time, sizeof time, "%02d:%02d", entry.hour, entry.minute);
    const bool bothTeams = !entry.homeName.empty() && !entry.visitorName.empty();
    const std::string place = entry.court.empty() ? std::string() : "at " + entry.court;

    char head[96];
    std::snprintf(head, sizeof head, "%10s %5s ", date, time);
    std::string line = head;
    line += std::string(scheduleEventKindText(entry.kind)) + " - " + entry.homeName + " " +
            (bothTeams ? "vs" : "") + " " + entry.visitorName + " " + place;
    if (!entry.note.empty()) line += " - Note:" + entry.note;
    return line;
}

std::vector<std::string> schedulePrintLines(const Schedule& schedule) {
    std::vector<std::string> lines;
    lines.reserve(schedule.entries.size());
    for (const ScheduleEntry& e : schedule.entries) lines.push_back(schedulePrintLine(e));
    return lines;
}

std::size_t longestLineLength(const std::vector<std::string>& lines) {
    std::size_t longest = 0;
    for (const std::string& line : lines) longest = std::max(longest, line.size());
    return longest;
}

int scheduleLinesPerPage(int firstLineTop, int lineHeight, int pageBottom) {
    if (lineHeight <= 0) return 1;
    // The line at top t is followed on the same page while the next top
    // leaves two line heights above the bottom.
    int lines = 1;
    for (int next = firstLineTop + lineHeight; pageBottom - next >= 2 * lineHeight; next += lineHeight) ++lines;
    return lines;
}

std::vector<std::string> wrappedSchedulePrintLine(const std::string& line, std::size_t columns) {
    const std::size_t indent = std::min(kScheduleContinuationIndent, columns / 2);
    std::vector<std::string> parts;
    std::string rest = line;
    std::size_t lead = 0;  // blanks in front of rest
    while (lead + rest.size() > columns && columns > lead) {
        const std::size_t room = columns - lead;
        // Break at the last blank that leaves something on this part.
        std::size_t cut = rest.rfind(' ', room);
        if (cut == std::string::npos || cut == 0) cut = room;
        parts.push_back(std::string(lead, ' ') + rest.substr(0, cut));
        const std::size_t next = rest.find_first_not_of(' ', cut);
        rest = next == std::string::npos ? std::string() : rest.substr(next);
        lead = indent;
        if (rest.empty()) return parts;
    }
    parts.push_back(std::string(lead, ' ') + rest);
    return parts;
}

std::vector<std::size_t> schedulePageStarts(const std::vector<std::size_t>& linesOfEntries, int linesPerPage) {
    const std::size_t capacity = static_cast<std::size_t>(std::max(1, linesPerPage));
    std::vector<std::size_t> starts{0};
    std::size_t line = 0;  // printed lines placed so far
    std::size_t used = 0;  // of them on the current page
    for (const std::size_t count : linesOfEntries) {
        if (used > 0 && used + count > capacity) {
            starts.push_back(line);
            used = 0;
        }
        // An entry longer than a page runs on over as many as it needs.
        for (std::size_t i = 0; i < count; ++i, ++line) {
            if (used == capacity) {
                starts.push_back(line);
                used = 0;
            }
            ++used;
        }
    }
    return starts;
}

}  // namespace courtlog::output
