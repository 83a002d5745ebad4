// Which addresses the address list hands to a mail program or the
// clipboard, and how the mailto: link carries them.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/records/MailAddresses.h"

namespace courtlog {
namespace {

using Addresses = std::vector<std::string>;

struct FieldCase {
    const char* what;
    std::string field;  // record text
    Addresses addresses;
};
void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.what; }

class MailField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(MailField, HoldsTheseAddresses) { EXPECT_EQ(mailAddressesIn(GetParam().field), GetParam().addresses); }

INSTANTIATE_TEST_SUITE_P(
    Table, MailField,
    ::testing::Values(FieldCase{"empty", "", {}},
                      FieldCase{"one with blanks around", "  lee@x.org ", {"lee@x.org"}},
                      FieldCase{"two of a family",
                                "mom@x.org; dad@y.org,kid@z.org",
                                {"mom@x.org", "dad@y.org", "kid@z.org"}},
                      FieldCase{"name and address in brackets", "Mom <mom@x.org>", {"mom@x.org"}},
                      FieldCase{"words that are no address", "none - @x.org lee@ n/a", {}},
                      FieldCase{"western letters come out in utf8", "jos\xE9@x.org", {"jos\xC3\xA9@x.org"}}),
    [](const auto& info) { return courtlog::testing::caseName(info.param.what); });

// Roster order, each address once whatever its letter case, players
// without an address left out.
TEST(TeamMailAddresses, EveryPlayersAddressesOnceInRosterOrder) {
    Team team = courtlog::testing::team("Owls", 4);
    team.personalInfo[0].email = "kim@x.org";
    team.personalInfo[1].email = "";
    team.personalInfo[2].email = "home@y.org; KIM@X.org";
    team.personalInfo[3].email = "home@y.org";
    EXPECT_EQ(teamMailAddresses(team), (Addresses{"kim@x.org", "home@y.org"}));
    EXPECT_EQ(addressesForClipboard(teamMailAddresses(team)), "kim@x.org, home@y.org");
    EXPECT_EQ(teamMailAddresses(courtlog::testing::team("Empty", 3)), Addresses{});
    EXPECT_EQ(addressesForClipboard({}), "");
}

struct LinkCase {
    const char* what;
    Addresses addresses;
    std::string link;
};
void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.what; }

class MailtoLink : public ::testing::TestWithParam<LinkCase> {};

TEST_P(MailtoLink, CarriesTheAddressesAndNothingElse) {
    EXPECT_EQ(mailtoLink(GetParam().addresses), GetParam().link);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MailtoLink,
    ::testing::Values(
        LinkCase{"no address opens an empty message", {}, "mailto:"},
        LinkCase{"one", {"lee@x.org"}, "mailto:lee@x.org"},
        LinkCase{"several joined by commas", {"a@x.org", "b.c+d@y.org"}, "mailto:a@x.org,b.c+d@y.org"},
        // '?' would start the headers, '&' a second one, '#' a fragment,
        // '%' an escape, ',' another recipient.
        LinkCase{"characters that would change the link",
                 {"a?subject=x&b#c%d,e@x.org"},
                 "mailto:a%3Fsubject%3Dx%26b%23c%25d%2Ce@x.org"},
        LinkCase{"letters beyond ascii as utf8 bytes", {"jos\xC3\xA9@x.org"}, "mailto:jos%C3%A9@x.org"}),
    [](const auto& info) { return courtlog::testing::caseName(info.param.what); });

}  // namespace
}  // namespace courtlog
