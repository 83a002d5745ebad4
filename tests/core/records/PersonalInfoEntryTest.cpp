// The personal-information dialog's rules: birthdays read and shown, the
// entry stored into a player, and the address list sorted by a column.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/records/AddressListOrder.h"
#include "core/records/PersonalInfoEntry.h"

namespace courtlog {
namespace {

using courtlog::testing::player;

const BirthDate kToday{2024, 14, 3};  // year, day, month

struct BirthdayCase {
    const char* what;
    const char* typed;
    BirthDate read;
};
void PrintTo(const BirthdayCase& c, std::ostream* os) { *os << c.what; }

class BirthdayReading : public ::testing::TestWithParam<BirthdayCase> {};

TEST_P(BirthdayReading, ChecksOnlyTheRanges) {
    EXPECT_EQ(readBirthday(GetParam().typed, kToday), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Table, BirthdayReading,
                         ::testing::Values(BirthdayCase{"plain", "5/2/1990", {1990, 2, 5}},
                                           BirthdayCase{
                                               "thirtieth of February kept", "2/30/1990", {1990, 30, 2}},
                                           BirthdayCase{"month 13 is today", "13/1/1990", kToday},
                                           BirthdayCase{"day 0 is today", "1/0/1990", kToday},
                                           BirthdayCase{"negative year is today", "1/1/-4", kToday},
                                           BirthdayCase{"no year is today", "1/1", kToday},
                                           BirthdayCase{"words are today", "May 2nd", kToday}),
                         courtlog::testing::NameFromWhat());

// Lee, Dana and Kim living in Orla, Brenvik and Aaby.
Team owls() {
    Team team =
        courtlog::testing::team("Owls", {player("Lee", 7, 3), player("Dana", -1, 2, 3), player("Kim", 9)});
    team.personalInfo[0] = {"555-0101", "1 Shaft St", "Orla", "MN", "55000", {1991, 30, 12}, "", ""};
    team.personalInfo[1] = {"555-0100", "12 Pit Road", "Brenvik",    "ND",
                            "58000",    {1990, 5, 2},  "dana@x.org", "c"};
    team.personalInfo[2] = {"", "", "Aaby", "", "", {1989, 1, 1}, "", ""};
    return team;
}

std::vector<std::string> names(const Team& team) {
    std::vector<std::string> out;
    for (const Player& p : team.players) out.push_back(p.name);
    return out;
}

TEST(PersonalInfoEntry, ShowsThePlayerOrABlankEntryDatedToday) {
    Team team = owls();
    EXPECT_EQ(shownPersonalInfoEntry(team, 1, kToday),
              (PersonalInfoEntry{"Dana", "2/5/1990", "555-0100", "12 Pit Road", "Brenvik", "ND", "58000",
                                 "dana@x.org", "c"}));
    PersonalInfoEntry blank;
    blank.birthday = "3/14/2024";
    EXPECT_EQ(shownPersonalInfoEntry(team, -1, kToday), blank);
    EXPECT_EQ(shownPersonalInfoEntry(team, 3, kToday), blank);
    team.personalInfo[0].birthday = {12000, 1, 1};  // a year no picker shows
    EXPECT_EQ(shownPersonalInfoEntry(team, 0, kToday).birthday, "3/14/2024");
}

TEST(PersonalInfoEntry, StoringKeepsNumberPositionAndSlotAndCutsTheName) {
    Team team = owls();
    PersonalInfoEntry typed = shownPersonalInfoEntry(team, 1, kToday);
    typed.name = "Christopher Montgomery-Whitlock";  // 31 characters
    typed.city = "Orla";
    ASSERT_TRUE(storePersonalInfoEntry(team, 1, typed, kToday));
    EXPECT_EQ(team.players[1], player("Christopher Montgomery-W", -1, 2, 3));
    EXPECT_EQ(team.personalInfo[1].city, "Orla");
    EXPECT_EQ(team.personalInfo[1].birthday, (BirthDate{1990, 5, 2}));

    // Storing the entry shown after an update again changes nothing.
    const Team once = team;
    ASSERT_TRUE(storePersonalInfoEntry(team, 1, shownPersonalInfoEntry(team, 1, kToday), kToday));
    EXPECT_EQ(team.personalInfo, once.personalInfo);
    EXPECT_FALSE(storePersonalInfoEntry(team, -1, typed, kToday));
    EXPECT_FALSE(storePersonalInfoEntry(team, 3, typed, kToday));
    EXPECT_EQ(team.players, once.players);
}

TEST(AddressListOrder, CityDescendingThenAscendingPlayersMoveWithTheirInformation) {
    Team team = owls();
    AddressListOrder order;
    order.sortBy(team, AddressColumn::City);
    EXPECT_EQ(names(team), (std::vector<std::string>{"Lee", "Dana", "Kim"}));
    EXPECT_EQ(team.personalInfo[1].zip, "58000");
    // Where each player came from, so the list's selection follows him.
    EXPECT_EQ(order.sortBy(team, AddressColumn::City), (std::vector<std::size_t>{2, 1, 0}));
    EXPECT_EQ(names(team), (std::vector<std::string>{"Kim", "Dana", "Lee"}));
    EXPECT_EQ(team.personalInfo[2].city, "Orla");
    EXPECT_EQ(team.players[2].number, 7);
    order.sortBy(team, AddressColumn::Birthday);  // its own first click: latest first
    EXPECT_EQ(names(team), (std::vector<std::string>{"Lee", "Dana", "Kim"}));
}

TEST(AddressListOrder, UsesTheGivenTextOrderAndKeepsTiesInPlace) {
    Team team = courtlog::testing::team("Owls", {player("b"), player("B"), player("a"), player("A")});
    sortRosterByAddressColumn(team, AddressColumn::Name, false,
                              [](const std::string& x, const std::string& y) {
                                  return std::tolower(static_cast<unsigned char>(x[0])) -
                                         std::tolower(static_cast<unsigned char>(y[0]));
                              });
    EXPECT_EQ(names(team), (std::vector<std::string>{"a", "A", "b", "B"}));
}

}  // namespace
}  // namespace courtlog
