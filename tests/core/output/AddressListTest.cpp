// The players' address list: its comma-delimited and HTML exports and the
// entries of its printout.
#include <gtest/gtest.h>

#include <string>

#include "RecordBuilders.h"
#include "core/output/AddressList.h"

namespace courtlog::output {
namespace {

using courtlog::testing::player;

Team owls() {
    Team team = courtlog::testing::team("Owls", {player("Dana Whitlock", -1, 2), player("Lee Park", 7, 3)});
    team.personalInfo[0] = {"555-0100", "12 Pit Road", "Brenvik",    "ND",
                            "58000",    {1990, 5, 2},  "dana@x.org", "captain"};
    team.personalInfo[1] = {"", "", "", "", "", {2001, 9, 11}, "", "left, \"early\""};
    return team;
}

TEST(AddressListCommaDelimited, ThreeLinesForTwoPlayersWithoutAFinalLineEnd) {
    EXPECT_EQ(addressListCommaDelimited(owls()),
              "Name,Phone,Birthday,Address,City,State,Zip,e-mail,Note\n"
              "Dana Whitlock,555-0100,2/5/1990,12 Pit Road,Brenvik,ND,58000,dana@x.org,captain\n"
              "Lee Park,,11/9/2001,,,,,,\"left, \"\"early\"\"\"");
}

TEST(AddressListHtml, IsANineColumnTableTitledWithTheTeam) {
    const std::string page = addressListHtml(owls(), true, HtmlStyle{}, {2024, 3, 14, 12, 0, 0});
    const std::string tag = "<tt><font color=000000 size=3>", close = "</font></tt>";
    EXPECT_EQ(page.find("<HTML><HEAD><meta charset=\"utf-8\"><TITLE>Basketball Courtlog Address/Phone "
                        "List</TITLE></HEAD><BODY>"
                        "\n<TABLE CELLPADDING=2 CELLSPACING=0 BORDER=1>\n\n\t<th colspan=9 bgcolor=F9FAD6>" +
                        tag + "Owls" + close + "</th>\n\t<tr bgcolor=F9FAD6>\n\t\t<td align=center>" + tag +
                        "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Name"),
              0u);
    EXPECT_NE(page.find("Note&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;" + close +
                        "</td></tr>\n"
                        "\n\t<tr bgcolor=FFFFFF>\n\t\t<td align=left>&nbsp;" +
                        tag + "Dana Whitlock" + close),
              std::string::npos);
    EXPECT_NE(page.find("\n\t\t<td align=left>&nbsp;" + tag + "<a href=\"mailto:dana@x.org\">dana@x.org</a>" +
                        close + "</td>\n\t\t<td align=left>&nbsp;" + tag + "captain" + close +
                        "</td>\n\t\t</tr>\n"),
              std::string::npos);
    EXPECT_NE(page.find("\n\t<tr bgcolor=EEEEEE>\n\t\t<td align=left>&nbsp;" + tag + "Lee Park"),
              std::string::npos);
    EXPECT_NE(page.find("left, &quot;early&quot;"), std::string::npos);
    EXPECT_EQ(addressListHtml(owls(), false, HtmlStyle{}, {}).find("<HTML>"), std::string::npos);
}

}  // namespace
}  // namespace courtlog::output
