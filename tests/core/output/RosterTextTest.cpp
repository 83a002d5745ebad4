// The roster as the team editor's "Save As" writes it: which kind a name is
// written as, the comma-delimited lines and the HTML page.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/output/RosterText.h"
#include "core/records/CommaDelimited.h"

namespace courtlog::output {
namespace {

using courtlog::testing::player;

const ClockReading kNoon{2024, 3, 14, 12, 0, 0};

// 00 on the bench, not starting; 7 at guard in slot Guard 1.
Team miners() {
    Team team =
        courtlog::testing::team("Miners", {player("Dana Whitlock", -1, 0, 0), player("Lee Park", 7, 1, 1)});
    team.coach = "Anna Berg";
    team.assistant = "Tom Lind";
    team.logoFile = "miners.bmp";
    team.personalInfo[0] = {"555-0100", "12 Pit Road", "Brenvik",    "ND",
                            "58000",    {1990, 5, 2},  "dana@x.org", "captain"};
    team.personalInfo[1] = {"555-0101", "1 Shaft St",   "Orla", "MN",
                            "55000",    {1991, 30, 12}, "",     "says \"hi\", often"};
    return team;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    for (std::string_view record : splitCsvRecords(text)) out.emplace_back(record);
    return out;
}

std::size_t fieldCount(const std::string& record) {
    CsvFieldCursor cursor(record);
    std::size_t n = 1;
    while (cursor.skipField()) ++n;
    return n;
}

TEST(RosterCommaDelimited, FourFieldsPerPlayerOrTwelveWithPersonalInfo) {
    EXPECT_EQ(
        rosterCommaDelimited(miners(), false),
        "Team,Miners\nCoach,Anna Berg,Assistant,Tom Lind\nTeamLogo,miners.bmp\n#,Name,Pos,Starter Status\n"
        "00,Dana Whitlock,Bench,Not a Starter\n7,Lee Park,Guard,Guard 1\n");
    const std::vector<std::string> full = lines(rosterCommaDelimited(miners(), true));
    EXPECT_EQ(full[3], "#,Name,Pos,Starter Status,Phone,Address,City,State,Zip,Birthday,E-mail,Note");
    EXPECT_EQ(full[4],
              "00,Dana Whitlock,Bench,Not a Starter,555-0100,12 Pit Road,Brenvik,ND,58000,02/05/1990,"
              "dana@x.org,captain");
    // A comma and a quote in a note stay in their field and come back.
    EXPECT_EQ(full[5],
              "7,Lee Park,Guard,Guard 1,555-0101,1 Shaft St,Orla,MN,55000,12/30/1991,,"
              "\"says \"\"hi\"\", often\"");
    EXPECT_EQ(fieldCount(full[5]), 12u);
    Team back;
    ASSERT_TRUE(back.importCommaDelimited(rosterCommaDelimited(miners(), true)).ok);
    EXPECT_EQ(back.personalInfo, miners().personalInfo);
}

std::size_t count(const std::string& text, const std::string& piece) {
    std::size_t n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

TEST(RosterHtml, TitleAndStaffRowsSpanFourColumnsOrTwelveAndTextsAreEscaped) {
    Team team = miners();
    const std::string plain = rosterHtml(team, false, true, HtmlStyle{}, kNoon);
    EXPECT_EQ(plain.find(
                  "<HTML><HEAD><meta charset=\"utf-8\"><TITLE>Basketball Courtlog Miners</TITLE></HEAD><BODY>"
                  "\n<TABLE CELLPADDING=3 CELLSPACING=0 BORDER=1>\n"
                  "\n\t<th colspan=4 bgcolor=F9FAD6><tt><font color=000000 size=3>Miners</font></tt></th>\n"
                  "\n\t<tr bgcolor=F9FAD6><td colspan=4 align=left><b><tt><font color=000000 size=3>Coach :"
                  "</font></tt></b><tt><font color=000000 size=3>&nbsp;Anna Berg</font></tt></td>"),
              0u);
    EXPECT_EQ(count(plain, "colspan=4"), 3u);
    EXPECT_EQ(count(plain, "<td align=center><b>"), 4u);

    team.name = "Smith & <Sons>";
    const std::string full = rosterHtml(team, true, true, HtmlStyle{}, kNoon);
    EXPECT_EQ(count(full, "colspan=12"), 3u);
    EXPECT_EQ(count(full, "<td align=center><b>"), 12u);
    EXPECT_NE(full.find("<TITLE>Basketball Courtlog Smith &amp; &lt;Sons&gt;</TITLE>"), std::string::npos);
    EXPECT_NE(full.find("&nbsp;says &quot;hi&quot;, often</font></tt></td></tr>"), std::string::npos);
}

TEST(RosterHtml, PlayerRowsAlternateWithEveryCellInTheNormalFont) {
    HtmlStyle style;
    style.fontFace = "Variable Width";
    const std::string page = rosterHtml(miners(), true, false, style, kNoon);
    EXPECT_EQ(page.find("<HTML>"), std::string::npos);  // appended: no head
    const std::string tag = "<font color=000000 size=3>";
    EXPECT_NE(
        page.find("\n\t<tr bgcolor=FFFFFF><td align=center>" + tag + "00</font></td><td align=left>" + tag +
                  "Dana Whitlock</font></td><td align=left>" + tag + "Bench</font></td><td align=left>" +
                  tag + "Not a Starter</font></td><td align=left>" + tag + "&nbsp;555-0100</font></td>"),
        std::string::npos);
    EXPECT_NE(
        page.find("<td align=left>" + tag + "&nbsp;<a href=\"mailto:dana@x.org\">dana@x.org</a></font></td>"),
        std::string::npos);
    EXPECT_NE(page.find("\n\t<tr bgcolor=EEEEEE><td align=center>" + tag + "7</font></td>"),
              std::string::npos);
    EXPECT_NE(page.find("\n</TABLE>\n<p><font size=-1>This file was created with"), std::string::npos);
}

}  // namespace
}  // namespace courtlog::output
