#include "core/records/RosterExport.h"

#include <cstdio>

#include "core/records/Codes.h"
#include "core/records/CommaDelimited.h"

namespace courtlog {

std::string rosterBirthdayText(const BirthDate& d) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", int(d.month), int(d.day), int(d.year));
    return buf;
}

std::string commaDelimitedRoster(const Team& team, bool withPersonalInfo) {
    std::string text = "Team," + csvField(team.name) + "\n";
    text += "Coach," + csvField(team.coach) + ",Assistant," + csvField(team.assistant) + "\n";
    text += "TeamLogo," + csvField(team.logoFile) + "\n";
    text += "#,Name,Pos,Starter Status";
    if (withPersonalInfo) text += ",Phone,Address,City,State,Zip,Birthday,E-mail,Note";
    text += "\n";
    for (std::size_t i = 0; i < team.players.size(); ++i) {
        const Player& p = team.players[i];
        std::vector<std::string> fields{uniformText(p.number), p.name, std::string(positionText(p.position)),
                                        std::string(courtSlotText(p.courtSlot))};
        if (withPersonalInfo) {
            const PersonalInfo info =
                i < team.personalInfo.size() ? team.personalInfo[i] : PersonalInfo::blank();
            fields.insert(fields.end(), {info.phone, info.address, info.city, info.state, info.zip,
                                         rosterBirthdayText(info.birthday), info.email, info.note});
        }
        text += csvLine(fields);
        text += '\n';
    }
    return text;
}

}  // namespace courtlog
