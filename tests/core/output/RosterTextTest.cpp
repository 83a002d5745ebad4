// The roster as the team editor's "Save As" writes it: which kind a name is
// written as, the comma-delimited lines and the HTML page.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/output/ExportFile.h"
#include "core/output/RosterText.h"
#include "core/records/CommaDelimited.h"

namespace courtlog::output {
namespace {

using courtlog::testing::player;

const ClockReading kNoon{2024, 3, 14, 12, 0, 0};

// Two players: 00 on the bench, not starting; 7 at guard in slot Guard 1.
Team miners() {
    Team team = courtlog::testing::team("Miners", {player("Dana Whitlock", -1, 0, 0), player("Lee Park", 7, 1, 1)});
    team.coach = "Anna Berg";
    team.assistant = "Tom Lind";
    team.logoFile = "miners.bmp";
    team.personalInfo[0] = {"555-0100", "12 Pit Road", "Brenvik", "ND", "58000", {1990, 5, 2}, "dana@x.org", "captain"};
    team.personalInfo[1] = {"555-0101", "1 Shaft St", "Orla", "MN", "55000", {1991, 30, 12}, "", ""};
    return team;
}

struct KindCase {
    const char* what;
    const char* path;
    int filter;
    RosterOutputKind kind;
};
void PrintTo(const KindCase& c, std::ostream* os) { *os << c.what; }

class RosterKind : public ::testing::TestWithParam<KindCase> {};

TEST_P(RosterKind, FollowsTheNameThenTheFilter) {
    EXPECT_EQ(rosterOutputKind(GetParam().path, GetParam().filter), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RosterKind,
    ::testing::Values(KindCase{"TemWithTeamFilter", "/t/roster.tem", 1, RosterOutputKind::TeamFile},
                      KindCase{"CsvWithCsvFilter", "/t/roster.csv", 2, RosterOutputKind::CommaDelimited},
                      KindCase{"HtmWithHtmlFilter", "/t/roster.htm", 3, RosterOutputKind::Html},
                      KindCase{"HtmlNameWithTeamFilter", "/t/roster.html", 1, RosterOutputKind::Html},
                      KindCase{"HtmlNameWithCsvFilter", "/t/roster.html", 2, RosterOutputKind::Html},
                      KindCase{"UpperCaseHtm", "/t/ROSTER.HTM", 2, RosterOutputKind::Html},
                      KindCase{"HtmOnlyInTheFolder", "/htm/roster.csv", 2, RosterOutputKind::CommaDelimited},
                      KindCase{"CsvNameWithHtmlFilter", "/t/roster.csv", 3, RosterOutputKind::Html},
                      KindCase{"TxtWithCsvFilter", "/t/roster.txt", 2, RosterOutputKind::CommaDelimited},
                      KindCase{"ShortName", "htm", 1, RosterOutputKind::TeamFile}),
    courtlog::testing::NameFromWhat());

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

TEST(RosterCommaDelimited, HasFourFieldsPerPlayerAndTwelveWithPersonalInfo) {
    const std::vector<std::string> plain = lines(rosterCommaDelimited(miners(), false));
    ASSERT_EQ(plain.size(), 6u);
    EXPECT_EQ(plain[0], "Team,Miners");
    EXPECT_EQ(plain[1], "Coach,Anna Berg,Assistant,Tom Lind");
    EXPECT_EQ(plain[2], "TeamLogo,miners.bmp");
    EXPECT_EQ(plain[3], "#,Name,Pos,Starter Status");
    EXPECT_EQ(plain[4], "00,Dana Whitlock,Bench,Not a Starter");
    EXPECT_EQ(plain[5], "7,Lee Park,Guard,Guard 1");

    const std::vector<std::string> full = lines(rosterCommaDelimited(miners(), true));
    EXPECT_EQ(full[3], "#,Name,Pos,Starter Status,Phone,Address,City,State,Zip,Birthday,E-mail,Note");
    EXPECT_EQ(full[4], "00,Dana Whitlock,Bench,Not a Starter,555-0100,12 Pit Road,Brenvik,ND,58000,02/05/1990,"
                       "dana@x.org,captain");
    EXPECT_EQ(fieldCount(full[5]), 12u);
}

TEST(RosterCommaDelimited, ACommaAndAQuoteInANoteStayInTheirField) {
    Team team = miners();
    team.personalInfo[1].note = "says \"hi\", often";
    const std::vector<std::string> full = lines(rosterCommaDelimited(team, true));
    EXPECT_EQ(full[5], "7,Lee Park,Guard,Guard 1,555-0101,1 Shaft St,Orla,MN,55000,12/30/1991,,"
                       "\"says \"\"hi\"\", often\"");
    EXPECT_EQ(fieldCount(full[5]), 12u);
    Team back;
    ASSERT_TRUE(back.importCommaDelimited(rosterCommaDelimited(team, true)).ok);
    EXPECT_EQ(back.personalInfo[1].note, team.personalInfo[1].note);
}

TEST(RosterCommaDelimited, AppendingAddsAnEmptyLineAndAWholeSecondBlock) {
    courtlog::testing::ScratchFolder folder;
    const std::string path = folder.file("roster.csv");
    const std::string block = rosterCommaDelimited(miners(), false);
    ASSERT_TRUE(writeExportFile(path, ExportMode::NewFile, block));
    ASSERT_TRUE(writeExportFile(path, ExportMode::Append, block));
    EXPECT_EQ(courtlog::testing::readFile(path), block + "\n" + block);
}

std::size_t count(const std::string& text, const std::string& piece) {
    std::size_t n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

TEST(RosterHtml, TitleAndStaffRowsSpanFourColumnsOrTwelveWithPersonalInfo) {
    const std::string plain = rosterHtml(miners(), false, true, HtmlStyle{}, kNoon);
    EXPECT_EQ(plain.find("<HTML><HEAD><TITLE>Basketball Courtlog Miners</TITLE></HEAD><BODY>"), 0u);
    EXPECT_NE(plain.find("\n<TABLE CELLPADDING=3 CELLSPACING=0 BORDER=1>\n"
                         "\n\t<th colspan=4 bgcolor=F9FAD6><tt><font color=000000 size=3>Miners</font></tt></th>\n"
                         "\n\t<tr bgcolor=F9FAD6><td colspan=4 align=left><b><tt><font color=000000 size=3>Coach :"
                         "</font></tt></b><tt><font color=000000 size=3>&nbsp;Anna Berg</font></tt></td>"),
              std::string::npos);
    EXPECT_EQ(count(plain, "colspan=4"), 3u);
    EXPECT_EQ(count(plain, "<td align=center><b>"), 4u);

    const std::string full = rosterHtml(miners(), true, true, HtmlStyle{}, kNoon);
    EXPECT_EQ(count(full, "colspan=12"), 3u);
    EXPECT_EQ(count(full, "<td align=center><b>"), 12u);
    EXPECT_EQ(count(full, "</td></tr>"), 3u);  // heading row and two players
}

TEST(RosterHtml, PlayerRowsAlternateAndWriteEveryCellInTheNormalFont) {
    HtmlStyle style;
    style.fontFace = "Variable Width";
    const std::string page = rosterHtml(miners(), true, false, style, kNoon);
    EXPECT_EQ(page.find("<HTML>"), std::string::npos);  // appended: no head
    const std::string tag = "<font color=000000 size=3>";
    EXPECT_NE(page.find("\n\t<tr bgcolor=FFFFFF><td align=center>" + tag + "00</font></td><td align=left>" + tag +
                        "Dana Whitlock</font></td><td align=left>" + tag + "Bench</font></td><td align=left>" + tag +
                        "Not a Starter</font></td><td align=left>" + tag + "&nbsp;555-0100</font></td>"),
              std::string::npos);
    EXPECT_NE(page.find("<td align=left>" + tag +
                        "&nbsp;<a href=\"mailto:dana@x.org\">dana@x.org</a></font></td><td align=left>" + tag +
                        "&nbsp;captain</font></td></tr>"),
              std::string::npos);
    EXPECT_NE(page.find("\n\t<tr bgcolor=EEEEEE><td align=center>" + tag + "7</font></td>"), std::string::npos);
    EXPECT_NE(page.find("&nbsp;12/30/1991</font>"), std::string::npos);
    EXPECT_NE(page.find("\n</TABLE>\n<p><font size=-1>This file was created with"), std::string::npos);
}

TEST(RosterHtml, RecordTextsAreEscaped) {
    Team team = miners();
    team.name = "Smith & <Sons>";
    team.personalInfo[0].email = "a\"b@x.org";
    const std::string page = rosterHtml(team, true, true, HtmlStyle{}, kNoon);
    EXPECT_NE(page.find("Smith &amp; &lt;Sons&gt;</font></tt></th>"), std::string::npos);
    EXPECT_NE(page.find("<TITLE>Basketball Courtlog Smith &amp; &lt;Sons&gt;</TITLE>"), std::string::npos);
    EXPECT_NE(page.find("mailto:a&quot;b@x.org\">a&quot;b@x.org</a>"), std::string::npos);
    EXPECT_EQ(page.find("<Sons>"), std::string::npos);
}

}  // namespace
}  // namespace courtlog::output
