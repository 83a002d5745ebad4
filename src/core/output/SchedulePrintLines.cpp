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

int schedulePageCount(std::size_t lineCount, int linesPerPage) {
    const std::size_t per = static_cast<std::size_t>(std::max(1, linesPerPage));
    return std::max(1, static_cast<int>((lineCount + per - 1) / per));
}

}  // namespace courtlog::output
