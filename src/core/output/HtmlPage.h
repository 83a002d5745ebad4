#pragma once

#include <string>
#include <string_view>

#include "core/output/HtmlStyle.h"

namespace courtlog::output {

// A moment on the local clock, as the page foot writes it. Tests pass a
// fixed one; the program takes localTimeNow().
struct ClockReading {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
ClockReading localTimeNow();

// The start of a page: "<HTML><HEAD><meta charset="utf-8"><TITLE>Basketball
// Courtlog " and the subject (escaped), then "</TITLE></HEAD><BODY>".
// Written only into a new or replaced file, never when appending (see
// ExportFile.h).
//   out += pageHead("Box Score");
std::string pageHead(std::string_view subject);

// The end of a page. It closes the writer's last table itself
// ("\n</TABLE>"), so a writer leaves its last table open; then the line
// naming the program with the date and time, and "</BODY></HTML>". With a
// foot link set, the program's name links to it; without one the same
// sentence stands without the <a> element.
//   out += pageFoot(style, localTimeNow());
std::string pageFoot(const HtmlStyle& style, const ClockReading& now);

}  // namespace courtlog::output
