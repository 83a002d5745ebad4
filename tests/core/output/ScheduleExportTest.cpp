#include <gtest/gtest.h>

#include <string>

#include "RecordBuilders.h"
#include "core/output/ScheduleExport.h"
#include "core/output/SchedulePrintLines.h"

namespace courtlog::output {
namespace {

using courtlog::testing::scheduled;

Schedule twoEvents() {
    Schedule s;
    s.addEntry(scheduled(GameEvent, 3, 4, 2024, 19, 5, "Hawks", "Miners", "Main Gym", "Bus at 5, sharp"));
    s.addEntry(scheduled(PracticeEvent, 11, 30, 2023, 7, 0, "Hawks & Co", "", "", "<bring \"balls\">"));
    return s;
}

TEST(ScheduleExport, CommaDelimitedHasTheHeaderLineAndOneQuotedSafeLinePerEntry) {
    EXPECT_EQ(scheduleCsv(twoEvents()),
              "Date,Time,Event,Home,Visitor,Field,Note"
              "\n3/4/2024,19:05,Game,Hawks,Miners,Main Gym,\"Bus at 5, sharp\""
              "\n11/30/2023,07:00,Practice,Hawks & Co,,,\"<bring \"\"balls\"\">\"");
    EXPECT_EQ(scheduleCsv(Schedule{}), "Date,Time,Event,Home,Visitor,Field,Note");
}

TEST(ScheduleExport, HtmlTableInThePageStyleWithAlternatingRowsAndEscapedTexts) {
    HtmlStyle style;
    style.colours[HtmlStyle::AlternateRow] = 0x00010203;
    const ClockReading now{2024, 3, 4, 9, 8, 7};
    const std::string page = scheduleHtml(twoEvents(), style, true, now);
    const std::string cellOpen = "<tt><font color=000000 size=3>&nbsp;";
    const std::string cellClose = "&nbsp;</font></tt></td>";
    EXPECT_EQ(
        page.rfind(
            "<HTML><HEAD><meta charset=\"utf-8\"><TITLE>Basketball Courtlog Schedule</TITLE></HEAD><BODY>"
            "\n<TABLE CELLPADDING=1 CELLSPACING=0 BORDER=1>\n"
            "\n\t<tr bgcolor=F9FAD6>\n\t\t<td align=center>" +
                cellOpen + "Date" + cellClose,
            0),
        0u)
        << page;
    EXPECT_NE(page.find("\n\t<tr bgcolor=FFFFFF>\n\t\t<td align=center>" + cellOpen + "3/4/2024" + cellClose),
              std::string::npos);
    EXPECT_NE(page.find("\n\t<tr bgcolor=030201>\n\t\t<td align=center>" + cellOpen + "11/30/2023" + cellClose),
              std::string::npos);
    EXPECT_NE(page.find(cellOpen + "Field" + cellClose), std::string::npos);
    EXPECT_NE(page.find(cellOpen + "Hawks &amp; Co" + cellClose), std::string::npos);
    EXPECT_NE(page.find(cellOpen + "&lt;bring &quot;balls&quot;&gt;" + cellClose), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - pageFoot(style, now).size()), pageFoot(style, now));

    // Appending to an earlier export: the same table without a second head.
    const std::string appended = scheduleHtml(twoEvents(), style, false, now);
    EXPECT_EQ(appended.rfind("\n<TABLE CELLPADDING=1", 0), 0u);
}

TEST(SchedulePrintPages, APageEndsWhenFewerThanTwoLineHeightsRemain) {
    // Lines at 100, 110, ... 180: after the line at 180 only 20 are left.
    EXPECT_EQ(scheduleLinesPerPage(100, 10, 200), 9);
    EXPECT_EQ(scheduleLinesPerPage(100, 10, 201), 9);
    EXPECT_EQ(scheduleLinesPerPage(100, 10, 209), 9);
    EXPECT_EQ(scheduleLinesPerPage(100, 10, 210), 10);
    EXPECT_EQ(scheduleLinesPerPage(195, 10, 200), 1);  // the first line always prints
}

TEST(SchedulePrintPages, AnEntrysLinesStayOnOnePageUnlessItIsLongerThanAPage) {
    using Starts = std::vector<std::size_t>;
    EXPECT_EQ(schedulePageStarts({}, 9), Starts{0});
    EXPECT_EQ(schedulePageStarts(std::vector<std::size_t>(9, 1), 9), Starts{0});
    EXPECT_EQ(schedulePageStarts(std::vector<std::size_t>(10, 1), 9), (Starts{0, 9}));
    // The third entry's two lines do not fit after eight: both go over.
    EXPECT_EQ(schedulePageStarts({4, 4, 2, 1}, 9), (Starts{0, 8}));
    // Twelve lines of one entry run on; the next entry fills the page.
    EXPECT_EQ(schedulePageStarts({1, 12, 3}, 5), (Starts{0, 1, 6, 11}));
}

}  // namespace
}  // namespace courtlog::output
