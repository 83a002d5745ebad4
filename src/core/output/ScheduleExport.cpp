#include "core/output/ScheduleExport.h"

#include <array>
#include <cstdio>

#include "core/output/FontTags.h"
#include "core/output/HtmlTable.h"
#include "core/output/HtmlText.h"
#include "core/records/CommaDelimited.h"
#include "core/records/ScheduleForm.h"

namespace courtlog::output {

namespace {

constexpr std::array<const char*, 7> kTitles{"Date", "Time", "Event", "Home", "Visitor", "Field", "Note"};

std::array<std::string, 7> exportedValues(const ScheduleEntry& entry) {
    char time[32];
    std::snprintf(time, sizeof time, "%02d:%02d", entry.hour, entry.minute);
    return {dateFieldText(entry.date), time,          std::string(scheduleEventKindText(entry.kind)),
            entry.homeName,            entry.visitorName, entry.court,
            entry.note};
}

// "<td align=center>" with the font tag, the text padded by a non-breaking
// space on each side, and the closing tag.
std::string cell(const std::string& fontTag, const std::string& html, const std::string& close) {
    return "\n\t\t<td align=center>" + fontTag + "&nbsp;" + html + "&nbsp;" + close + "</td>";
}

}  // namespace

std::string scheduleCsv(const Schedule& schedule) {
    std::string out;
    for (const char* title : kTitles) out += std::string(out.empty() ? "" : ",") + title;
    for (const ScheduleEntry& entry : schedule.entries) {
        const auto values = exportedValues(entry);
        out += "\n" + csvLine(std::vector<std::string>(values.begin(), values.end()));
    }
    return out;
}

std::string scheduleHtml(const Schedule& schedule, const HtmlStyle& style, bool withPageHead,
                         const ClockReading& now) {
    const FontTags tags = FontTags::of(style);
    std::string out = withPageHead ? pageHead("Schedule") : std::string();
    out += tableOpening(TablePadding::Schedule);
    const RowLook heading = headingRowLook(style, tags);
    out += "\n\t<tr bgcolor=" + heading.background + ">";
    for (const char* title : kTitles) out += cell(heading.fontTag, title, tags.close);
    out += "</tr>\n";
    for (std::size_t i = 0; i < schedule.entries.size(); ++i) {
        const RowLook look = bodyRowLook(style, tags, i);
        out += "\n\t<tr bgcolor=" + look.background + ">";
        for (const std::string& value : exportedValues(schedule.entries[i]))
            out += cell(look.fontTag, htmlText(value), tags.close);
        out += "</tr>\n";
    }
    return out + pageFoot(style, now);
}

}  // namespace courtlog::output
