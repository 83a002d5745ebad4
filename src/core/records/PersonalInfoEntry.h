#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/records/Team.h"

namespace courtlog {

// The rules of the players' personal-information dialog: what its nine
// entry fields show for a player, how they are stored back, and the cells
// of its address list. Texts are record texts (Windows-1252 bytes).

// The nine entry fields, as typed or as shown.
struct PersonalInfoEntry {
    std::string name;
    std::string birthday;  // month/day/year, "3/14/2008"
    std::string phone;
    std::string address;
    std::string city;
    std::string state;
    std::string zip;
    std::string email;
    std::string note;

    bool operator==(const PersonalInfoEntry&) const = default;
};

// How many characters each entry field takes as it is typed. The name takes
// more than a player's name can keep; storing it keeps the first 24.
struct PersonalInfoTypedLimits {
    static constexpr int kName = 34, kBirthday = 14, kPhone = 24, kAddress = 99, kCity = 39, kState = 39,
                         kZip = 19, kEmail = 49, kNote = 49;
};

// A birthday as the dialog, its list and its exports show it: "3/14/2008"
// (month/day/year, no leading zeros).
std::string birthdayText(const BirthDate& birthday);

// A typed birthday read as month/day/year; a month outside 1..12, a day
// outside 1..31, a negative year or a date that cannot be read gives today.
// Only the ranges are checked: 2/30/1990 is kept as it was typed.
BirthDate readBirthday(std::string_view typed, const BirthDate& today);

// What the entry fields show for player index: his name and personal
// information, with today as birthday when the stored one lies outside month
// 1..12, day 1..31 or year 0..9999. For no player (index -1, or past the
// roster) the fields are empty but for today's date as birthday.
PersonalInfoEntry shownPersonalInfoEntry(const Team& team, int index, const BirthDate& today);

// Stores typed into player index: the name (its first 24 characters), the
// birthday read by readBirthday, and the seven texts, each cut to its field.
// The player's number, position and starting slot stay as they are. False,
// changing nothing, when index names no player.
bool storePersonalInfoEntry(Team& team, int index, const PersonalInfoEntry& typed, const BirthDate& today);

// The address list's nine columns, in the order of the list, the
// comma-delimited export and the HTML table.
enum class AddressColumn { Name, Phone, Birthday, Address, City, State, Zip, Email, Note };
inline constexpr std::size_t kAddressColumnCount = 9;

// The column headings of the list: "Name", "Phone", "Birthday", "Address",
// "City", "State", "Zip", "e-mail", "Note".
std::string_view addressColumnHeading(AddressColumn column);

// The nine cells of player index in the address list, in column order.
std::array<std::string, kAddressColumnCount> addressListCells(const Roster& roster, std::size_t index);

}  // namespace courtlog
