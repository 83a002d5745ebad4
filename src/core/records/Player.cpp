#include "core/records/Player.h"
#include "core/records/Clock.h"

#include <cstring>
#include <ctime>

#include "core/records/Game.h"

namespace courtlog {

BirthDate BirthDate::today() {
    const std::tm local = localClockNow();
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
std::uint8_t* encodePlayer(std::uint8_t* p, const Player& player) {
    p = putText(p, player.name, Player::kNameWidth);
    p = putLe16(p, player.number);
    for (std::int16_t played : player.playedInPeriod) p = putLe16(p, played);
    p = putLe16(p, player.position);
    return putLe16(p, player.courtSlot);
}

void writePlayer(ByteWriter& out, const Player& p) { encodePlayer(out.extend(Player::kRecordSize), p); }

Player readPlayer(ByteReader& in) {
    Player p;
    // Whole records decode straight from the block; only a short last
    // record goes field by field.
    if (const std::uint8_t* b = in.takeBlock(Player::kRecordSize)) {
        const char* name = reinterpret_cast<const char*>(b);
        p.name.assign(name, strnlen(name, Player::kNameWidth));
        p.number = le16At(b + 25);
        for (std::size_t i = 0; i < p.playedInPeriod.size(); ++i) p.playedInPeriod[i] = le16At(b + 27 + 2 * i);
        p.position = le16At(b + 43);
        p.courtSlot = le16At(b + 45);
        return p;
    }
    p.name = in.text(Player::kNameWidth);
    p.number = in.i16();
    for (std::int16_t& played : p.playedInPeriod) played = in.i16();
    p.position = in.i16();
    p.courtSlot = in.i16();
    return p;
}

}  // namespace courtlog
