#include "core/output/HtmlPage.h"
#include "core/records/Clock.h"

#include <cstdio>
#include <ctime>

#include "core/ProgramInfo.h"
#include "core/output/HtmlText.h"

namespace courtlog::output {

ClockReading localTimeNow() {
    const std::tm local = localClockNow();
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string pageHead(std::string_view subject) {
    // Pages are written in UTF-8 (see ExportFile.h) and say so before any
    // text a browser would have to guess at.
    return std::string("<HTML><HEAD><meta charset=\"utf-8\"><TITLE>") + kShortTitle + " " + htmlText(subject) +
           "</TITLE></HEAD><BODY>";
}

std::string pageFoot(const HtmlStyle& style, const ClockReading& now) {
    std::string out = "\n</TABLE>\n<p><font size=-1>This file was created with ";
    // The name in the foot is the program's own markup; only the address
    // comes from the settings, so only it is escaped (and quoted, as an
    // address may hold characters that would end a bare attribute).
    const std::string name = std::string("<em>") + kShortTitle + "\t</em>";
    if (style.footLink.empty())
        out += name;
    else
        out += "<a href=\"" + htmlText(style.footLink) + "\">" + name + "</a>";
    char when[96];
    std::snprintf(when, sizeof when, " on %d/%02d/%d at %2d:%02d:%02d</font>\n</BODY></HTML>", now.month, now.day,
                  now.year, now.hour, now.minute, now.second);
    return out + when;
}

}  // namespace courtlog::output
