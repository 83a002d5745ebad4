// The players' address list: its comma-delimited and HTML exports and the
// entries of its printout.
#include <gtest/gtest.h>

#include <string>

#include "RecordBuilders.h"
#include "core/output/AddressList.h"
#include "core/output/ExportFile.h"

namespace courtlog::output {
namespace {

using courtlog::testing::player;

const ClockReading kNoon{2024, 3, 14, 12, 0, 0};

Team owls() {
    Team team = courtlog::testing::team("Owls", {player("Dana Whitlock", -1, 2), player("Lee Park", 7, 3)});
    team.personalInfo[0] = {"555-0100", "12 Pit Road", "Brenvik", "ND", "58000", {1990, 5, 2}, "dana@x.org", "captain"};
    team.personalInfo[1] = {"", "", "", "", "", {2001, 9, 11}, "", "left, \"early\""};
    return team;
}

TEST(AddressListCommaDelimited, IsAHeadingAndOneLinePerPlayerWithoutAFinalLineEnd) {
    EXPECT_EQ(addressListCommaDelimited(owls()),
              "Name,Phone,Birthday,Address,City,State,Zip,e-mail,Note\n"
              "Dana Whitlock,555-0100,2/5/1990,12 Pit Road,Brenvik,ND,58000,dana@x.org,captain\n"
              "Lee Park,,11/9/2001,,,,,,\"left, \"\"early\"\"\"");
}

TEST(AddressListCommaDelimited, AppendedListFollowsALineEnd) {
    courtlog::testing::ScratchFolder folder;
    const std::string path = folder.file("owls.csv");
    const std::string list = addressListCommaDelimited(owls());
    ASSERT_TRUE(writeExportFile(path, ExportMode::NewFile, list));
    ASSERT_TRUE(writeExportFile(path, ExportMode::Append, list));
    EXPECT_EQ(courtlog::testing::readFile(path), list + "\n" + list);
}

TEST(AddressListHtml, IsANineColumnTableTitledWithTheTeam) {
    const std::string page = addressListHtml(owls(), true, HtmlStyle{}, kNoon);
    const std::string tag = "<tt><font color=000000 size=3>", close = "</font></tt>";
    EXPECT_EQ(page.find("<HTML><HEAD><TITLE>Basketball Courtlog Address/Phone List</TITLE></HEAD><BODY>"
                        "\n<TABLE CELLPADDING=2 CELLSPACING=0 BORDER=1>\n"
                        "\n\t<th colspan=9 bgcolor=F9FAD6>" + tag + "Owls" + close + "</th>"
                        "\n\t<tr bgcolor=F9FAD6>\n\t\t<td align=center>" + tag +
                        "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Name"
                        "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;" + close + "</td>"
                        "\n\t\t<td align=center>" + tag + "&nbsp;&nbsp;&nbsp;&nbsp;Phone&nbsp;&nbsp;&nbsp;&nbsp;" +
                        close + "</td>\n\t\t<td align=center>" + tag + "Birthday" + close + "</td>"),
              0u);
    EXPECT_NE(page.find("<td align=center>" + tag + "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
                        "Note&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;" + close + "</td></tr>\n"),
              std::string::npos);
    EXPECT_NE(page.find("\n\t<tr bgcolor=FFFFFF>\n\t\t<td align=left>&nbsp;" + tag + "Dana Whitlock" + close +
                        "</td>\n\t\t<td align=left>&nbsp;" + tag + "555-0100" + close + "</td>"),
              std::string::npos);
    EXPECT_NE(page.find("\n\t\t<td align=left>&nbsp;" + tag + "<a href=\"mailto:dana@x.org\">dana@x.org</a>" +
                        close + "</td>\n\t\t<td align=left>&nbsp;" + tag + "captain" + close + "</td>\n\t\t</tr>\n"),
              std::string::npos);
    EXPECT_NE(page.find("\n\t<tr bgcolor=EEEEEE>\n\t\t<td align=left>&nbsp;" + tag + "Lee Park"), std::string::npos);
    EXPECT_NE(page.find("left, &quot;early&quot;"), std::string::npos);
    EXPECT_EQ(addressListHtml(owls(), false, HtmlStyle{}, kNoon).find("<HTML>"), std::string::npos);
}

TEST(AddressEntry, HeadingThenTheDetailLinesThatAreNotEmpty) {
    const Team team = owls();
    const AddressEntryLines full = addressEntryLines(team, 0);
    EXPECT_EQ(full.heading, "#00, Dana Whitlock, Center");
    EXPECT_EQ(full.details, (std::vector<std::string>{"12 Pit Road", "Brenvik, ND 58000", "555-0100", "2/5/1990",
                                                      "dana@x.org", "captain"}));
    const AddressEntryLines sparse = addressEntryLines(team, 1);
    EXPECT_EQ(sparse.heading, "#7, Lee Park, Forward");
    EXPECT_EQ(sparse.details, (std::vector<std::string>{"11/9/2001", "left, \"early\""}));
}

}  // namespace
}  // namespace courtlog::output
