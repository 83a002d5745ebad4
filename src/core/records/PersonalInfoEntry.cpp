#include "core/records/PersonalInfoEntry.h"

#include <cstdio>

#include "core/records/CalendarDate.h"

namespace courtlog {

namespace {

// A text as its fixed-width field keeps it: at most width - 1 bytes before
// the terminator.
std::string fitted(const std::string& text, std::size_t width) {
    return text.size() < width ? text : text.substr(0, width - 1);
}

bool storedBirthdayShows(const BirthDate& d) {
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31 && d.year >= 0 && d.year <= 9999;
}

const PersonalInfo& infoOf(const Roster& roster, std::size_t index) {
    static const PersonalInfo none;
    return index < roster.personalInfo.size() ? roster.personalInfo[index] : none;
}

}  // namespace

std::string birthdayText(const BirthDate& d) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%d/%d/%d", int(d.month), int(d.day), int(d.year));
    return buf;
}

BirthDate readBirthday(std::string_view typed, const BirthDate& today) {
    return dateFromText(typed).value_or(today);
}

PersonalInfoEntry shownPersonalInfoEntry(const Team& team, int index, const BirthDate& today) {
    PersonalInfoEntry entry;
    if (index < 0 || index >= team.playerCount()) {
        entry.birthday = birthdayText(today);
        return entry;
    }
    const auto i = static_cast<std::size_t>(index);
    const PersonalInfo& info = infoOf(team, i);
    entry.name = team.players[i].name;
    entry.birthday = birthdayText(storedBirthdayShows(info.birthday) ? info.birthday : today);
    entry.phone = info.phone;
    entry.address = info.address;
    entry.city = info.city;
    entry.state = info.state;
    entry.zip = info.zip;
    entry.email = info.email;
    entry.note = info.note;
    return entry;
}

bool storePersonalInfoEntry(Team& team, int index, const PersonalInfoEntry& typed, const BirthDate& today) {
    if (index < 0 || index >= team.playerCount()) return false;
    const auto i = static_cast<std::size_t>(index);
    if (team.personalInfo.size() < team.players.size()) team.personalInfo.resize(team.players.size());
    team.players[i].name = fitted(typed.name, Player::kNameWidth);
    PersonalInfo& info = team.personalInfo[i];
    info.birthday = readBirthday(typed.birthday, today);
    info.phone = fitted(typed.phone, PersonalInfo::kPhoneWidth);
    info.address = fitted(typed.address, PersonalInfo::kAddressWidth);
    info.city = fitted(typed.city, PersonalInfo::kCityWidth);
    info.state = fitted(typed.state, PersonalInfo::kStateWidth);
    info.zip = fitted(typed.zip, PersonalInfo::kZipWidth);
    info.email = fitted(typed.email, PersonalInfo::kEmailWidth);
    info.note = fitted(typed.note, PersonalInfo::kNoteWidth);
    return true;
}

std::string_view addressColumnHeading(AddressColumn column) {
    static constexpr std::array<std::string_view, kAddressColumnCount> headings{
        "Name", "Phone", "Birthday", "Address", "City", "State", "Zip", "e-mail", "Note"};
    const auto i = static_cast<std::size_t>(column);
    return i < headings.size() ? headings[i] : std::string_view();
}

std::array<std::string, kAddressColumnCount> addressListCells(const Roster& roster, std::size_t index) {
    if (index >= roster.players.size()) return {};
    const PersonalInfo& info = infoOf(roster, index);
    return {roster.players[index].name,
            info.phone,
            birthdayText(info.birthday),
            info.address,
            info.city,
            info.state,
            info.zip,
            info.email,
            info.note};
}

}  // namespace courtlog
