#include "core/records/Player.h"

#include <ctime>

#include "core/records/Game.h"

namespace courtlog {

std::string uniformText(int number) {
    if (number == -1) return "00";
    return std::to_string(number);
}

BirthDate BirthDate::today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    BirthDate d;
    d.year = local.tm_year + 1900;
    d.day = static_cast<std::int8_t>(local.tm_mday);
    d.month = static_cast<std::int8_t>(local.tm_mon + 1);
    return d;
}

PersonalInfo PersonalInfo::blank() {
    PersonalInfo info;
    info.birthday = BirthDate::today();
    return info;
}

// Player record, 47 bytes: name[25], number, playedInPeriod[8], position, courtSlot.
void writePlayer(ByteWriter& out, const Player& p) {
    out.text(p.name, Player::kNameWidth);
    out.i16(p.number);
    for (std::int16_t played : p.playedInPeriod) out.i16(played);
    out.i16(p.position);
    out.i16(p.courtSlot);
}

Player readPlayer(ByteReader& in) {
    Player p;
    p.name = in.text(Player::kNameWidth);
    p.number = in.i16();
    for (std::int16_t& played : p.playedInPeriod) played = in.i16();
    p.position = in.i16();
    p.courtSlot = in.i16();
    return p;
}

}  // namespace courtlog
