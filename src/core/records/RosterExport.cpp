#include "core/records/RosterExport.h"

#include <cstdio>
#include <initializer_list>
#include <utility>

#include "core/records/Codes.h"

namespace courtlog {

namespace {

std::string birthdayText(const BirthDate& d) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", int(d.month), int(d.day), int(d.year));
    return buf;
}

// What in text would split its line or its field on the way back, if anything.
const char* breakingCharacter(const std::string& text) {
    if (text.find(',') != std::string::npos) return "a comma";
    if (text.find_first_of("\r\n") != std::string::npos) return "a line break";
    return nullptr;
}

using Field = std::pair<const char*, const std::string*>;

bool checkFields(const std::string& owner, std::initializer_list<Field> fields, std::string& problem) {
    for (const auto& [label, text] : fields) {
        if (const char* what = breakingCharacter(*text)) {
            problem = owner + ": the " + label + " holds " + what +
                      ", which a comma-delimited roster cannot keep";
            return false;
        }
    }
    return true;
}

}  // namespace

bool commaDelimitedRoster(const Team& team, std::string& out, std::string& problem) {
    out.clear();
    if (!checkFields("Team", {{"team name", &team.name}, {"coach", &team.coach},
                              {"assistant", &team.assistant}, {"logo file", &team.logoFile}},
                     problem))
        return false;

    std::string text = "Team," + team.name + "\n";
    text += "Coach," + team.coach + ",Assistant," + team.assistant + "\n";
    text += "TeamLogo," + team.logoFile + "\n";
    text += "#,Name,Pos,Starter Status,Phone,Address,City,State,Zip,Birthday,E-mail,Note\n";
    for (std::size_t i = 0; i < team.players.size(); ++i) {
        const Player& p = team.players[i];
        const PersonalInfo info = i < team.personalInfo.size() ? team.personalInfo[i] : PersonalInfo::blank();
        if (!checkFields("Player " + p.name,
                         {{"name", &p.name}, {"phone", &info.phone}, {"address", &info.address},
                          {"city", &info.city}, {"state", &info.state}, {"zip", &info.zip},
                          {"e-mail", &info.email}, {"note", &info.note}},
                         problem))
            return false;
        for (const std::string& field :
             {uniformText(p.number), p.name, std::string(positionText(p.position)),
              std::string(courtSlotText(p.courtSlot)), info.phone, info.address, info.city, info.state, info.zip,
              birthdayText(info.birthday), info.email}) {
            text += field;
            text += ',';
        }
        text += info.note + "\n";
    }
    out = std::move(text);
    return true;
}

}  // namespace courtlog
