// The schedule as an iCalendar file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordBuilders.h"
#include "core/output/ScheduleCalendar.h"

namespace courtlog::output {
namespace {

using courtlog::testing::scheduled;

const ClockReading kStamp{2024, 3, 20, 17, 4, 5};

// The content lines, unfolded, without their CR LF.
std::vector<std::string> unfoldedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos) break;
        const std::string line = text.substr(at, end - at);
        if (!line.empty() && line[0] == ' ' && !lines.empty()) {
            lines.back() += line.substr(1);
        } else {
            lines.push_back(line);
        }
        at = end + 2;
    }
    return lines;
}

std::vector<std::string> valuesOf(const std::string& text, const std::string& name) {
    std::vector<std::string> values;
    for (const std::string& line : unfoldedLines(text))
        if (line.rfind(name + ":", 0) == 0) values.push_back(line.substr(name.size() + 1));
    return values;
}

TEST(ScheduleCalendar, OneEventPerEntryAtItsWallClockTimeWithKindTeamsCourtAndNote) {
    Schedule s;
    s.addEntry(scheduled(GameEvent, 3, 4, 2024, 19, 5, "Hawks", "Miners", "Main Gym", "Bus at 5, sharp"));
    s.addEntry(scheduled(PracticeEvent, 11, 30, 2023, 7, 0, "Hawks", "", " ", ""));
    const ScheduleCalendar calendar = scheduleCalendar(s, kStamp);
    EXPECT_EQ(calendar.events, 2u);
    EXPECT_TRUE(calendar.warnings.empty());
    const std::vector<std::string> lines = unfoldedLines(calendar.text);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "BEGIN:VCALENDAR");
    EXPECT_EQ(lines[1], "VERSION:2.0");
    EXPECT_EQ(lines.back(), "END:VCALENDAR");
    EXPECT_EQ(valuesOf(calendar.text, "DTSTART"), (std::vector<std::string>{"20240304T190500", "20231130T070000"}));
    EXPECT_EQ(valuesOf(calendar.text, "DTSTAMP"), (std::vector<std::string>{"20240320T170405Z", "20240320T170405Z"}));
    EXPECT_EQ(valuesOf(calendar.text, "SUMMARY"),
              (std::vector<std::string>{"Game - Hawks vs Miners", "Practice - Hawks"}));
    // A blank court and an empty note give no property.
    EXPECT_EQ(valuesOf(calendar.text, "LOCATION"), (std::vector<std::string>{"Main Gym"}));
    EXPECT_EQ(valuesOf(calendar.text, "DESCRIPTION"), (std::vector<std::string>{"Bus at 5\\, sharp"}));
}

TEST(ScheduleCalendar, TextIsEscapedAndUtf8AndLinesAreFoldedAt75OctetsBetweenCharacters) {
    EXPECT_EQ(calendarText("a,b;c\\d\r\ne\nf\rg\x01h\ti"), "a\\,b\\;c\\\\d\\ne\\nf\\ng" "h\ti");

    Schedule s;
    // A note of 130 characters of two bytes each in UTF-8.
    s.addEntry(scheduled(GameEvent, 3, 4, 2024, 19, 5, "Sm\xF8rvik", "", "", std::string(130, '\xE9')));
    const std::string text = scheduleCalendar(s, kStamp).text;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos);
        EXPECT_LE(end - at, 75u);
        // No line starts inside a character: never with a continuation byte.
        const std::size_t first = text[at] == ' ' ? at + 1 : at;
        if (first < end) {
            EXPECT_NE(static_cast<unsigned char>(text[first]) & 0xC0, 0x80) << at;
        }
        at = end + 2;
    }
    std::string note;
    for (int i = 0; i < 130; ++i) note += "\xC3\xA9";
    EXPECT_EQ(valuesOf(text, "DESCRIPTION"), std::vector<std::string>{note});
    EXPECT_EQ(valuesOf(text, "SUMMARY"), std::vector<std::string>{"Game - Sm\xC3\xB8rvik"});
    EXPECT_EQ(foldedLine(std::string(75, 'x')), std::string(75, 'x') + "\r\n");
    EXPECT_EQ(foldedLine(std::string(76, 'x')), std::string(75, 'x') + "\r\n x\r\n");
}

TEST(ScheduleCalendar, AnEntryWhoseDateDoesNotExistIsLeftOutWithAWarningNamingIt) {
    Schedule s;
    s.addEntry(scheduled(GameEvent, 2, 30, 2026, 19, 0, "Hawks", "Miners"));
    s.addEntry(scheduled(GameEvent, 2, 29, 2024, 19, 0, "Hawks", "Owls"));  // a leap day
    s.addEntry(scheduled(GameEvent, 2, 29, 2100, 19, 0, "Hawks", "Lynx"));  // a century without one
    s.addEntry(scheduled(PracticeEvent, 13, 1, 2024, 18, 0, "Hawks"));
    s.addEntry(scheduled(PracticeEvent, 5, 1, 2024, 25, 0, "Hawks"));
    const ScheduleCalendar calendar = scheduleCalendar(s, kStamp);
    EXPECT_EQ(calendar.events, 1u);
    EXPECT_EQ(calendar.warnings,
              (std::vector<std::string>{
                  "Left out of the calendar: entry 1 (2/30/2026 19:00, Game - Hawks vs Miners): no such date",
                  "Left out of the calendar: entry 3 (2/29/2100 19:00, Game - Hawks vs Lynx): no such date",
                  "Left out of the calendar: entry 4 (13/1/2024 18:00, Practice - Hawks): no such date",
                  "Left out of the calendar: entry 5 (5/1/2024 25:00, Practice - Hawks): no such time of day"}));
    EXPECT_EQ(valuesOf(calendar.text, "DTSTART"), std::vector<std::string>{"20240229T190000"});
}

TEST(ScheduleCalendar, MidnightWrittenAs24IsTheNextDay) {
    auto start = entryStart(scheduled(GameEvent, 12, 31, 2024, 24, 30));
    ASSERT_TRUE(start);
    EXPECT_EQ(*start, (WallClockStart{2025, 1, 1, 0, 30}));
    start = entryStart(scheduled(GameEvent, 2, 28, 2023, 24, 0));
    ASSERT_TRUE(start);
    EXPECT_EQ(*start, (WallClockStart{2023, 3, 1, 0, 0}));
    EXPECT_FALSE(entryStart(scheduled(GameEvent, 12, 31, 9999, 24, 0)));
}

TEST(ScheduleCalendar, UidsStayTheSameWhenTheScheduleIsExportedAgainSortedOrWithANewTime) {
    Schedule s;
    s.addEntry(scheduled(GameEvent, 3, 4, 2024, 19, 5, "Hawks", "Miners"));
    s.addEntry(scheduled(PracticeEvent, 3, 5, 2024, 18, 0, "Hawks"));
    s.addEntry(scheduled(PracticeEvent, 3, 5, 2024, 20, 0, "Hawks"));  // alike but for the time
    const std::vector<std::string> uids = valuesOf(scheduleCalendar(s, kStamp).text, "UID");
    ASSERT_EQ(uids.size(), 3u);
    EXPECT_NE(uids[0], uids[1]);
    EXPECT_NE(uids[1], uids[2]);
    EXPECT_EQ(valuesOf(scheduleCalendar(s, ClockReading{2025, 1, 1, 0, 0, 0}).text, "UID"), uids);

    Schedule changed = s;
    std::swap(changed.entries[0], changed.entries[1]);
    changed.entries[1].hour = 20;
    changed.entries[1].court = "Other Gym";
    const std::vector<std::string> again = valuesOf(scheduleCalendar(changed, kStamp).text, "UID");
    EXPECT_EQ(again, (std::vector<std::string>{uids[1], uids[0], uids[2]}));
}

}  // namespace
}  // namespace courtlog::output
