#include "core/records/ScheduleEntry.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/records/Game.h"

namespace courtlog {

namespace {

// Offsets inside the 1024-byte record.
constexpr std::size_t kKindAt = 0, kCourtAt = 4, kHomeNameAt = 29, kHomeFileAt = 54, kVisitorNameAt = 314,
                      kVisitorFileAt = 339, kGameFileAt = 599, kReservedBytesAt = 859, kDateAt = 867,
                      kMinuteAt = 873, kHourAt = 877, kReserved1At = 881, kReserved2At = 885, kSeasonAt = 889,
                      kNoteAt = 893;
static_assert(kNoteAt + ScheduleEntry::kNoteWidth == ScheduleEntry::kRecordSize);
static_assert(kDateAt - kReservedBytesAt == 8);

std::int32_t le32At(const std::uint8_t* p) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                                     (static_cast<std::uint32_t>(p[2]) << 16) |
                                     (static_cast<std::uint32_t>(p[3]) << 24));
}

std::string textAt(const std::uint8_t* p, std::size_t length) {
    const char* s = reinterpret_cast<const char*>(p);
    return std::string(s, strnlen(s, length));
}

// At most length bytes of the text, NUL-padded to the field's width, so the
// field always ends in its terminator.
void writeText(ByteWriter& out, std::string_view text, std::size_t length, std::size_t width) {
    out.text(text.substr(0, std::min(text.size(), length)), width);
}

}  // namespace

std::string_view scheduleEventKindText(int kind) {
    static constexpr std::array<std::string_view, 9> kTexts{
        "No Event", "Practice", "Game", "Practice Game", "Team Meeting", "Workout", "Party", "Pre-Season",
        "Tournament"};
    if (kind < 0 || kind > kLastScheduleEventKind) return kTexts[0];
    return kTexts[static_cast<std::size_t>(kind)];
}

ScheduleEntry ScheduleEntry::blank() { return blankOn(EventDate::today()); }

ScheduleEntry ScheduleEntry::blankOn(EventDate today) {
    ScheduleEntry e;
    e.date = today;
    e.season = today.year;
    return e;
}

void ScheduleEntry::write(ByteWriter& out) const {
    out.i32(kind);
    writeText(out, court, kNameLength, kNameWidth);
    writeText(out, homeName, kNameLength, kNameWidth);
    writeText(out, homeFile, kPathLength, kPathWidth);
    writeText(out, visitorName, kNameLength, kNameWidth);
    writeText(out, visitorFile, kPathLength, kPathWidth);
    writeText(out, gameFile, kPathLength, kPathWidth);
    out.bytes(std::array<std::uint8_t, 8>{});
    out.i32(date.year);
    out.i8(date.day);
    out.i8(date.month);
    out.i32(minute);
    out.i32(hour);
    out.i32(reserved1);
    out.i32(reserved2);
    out.i32(season);
    writeText(out, note, kNoteLength, kNoteWidth);
}

ScheduleEntry ScheduleEntry::read(const std::uint8_t* record) {
    ScheduleEntry e;
    e.kind = le32At(record + kKindAt);
    e.court = textAt(record + kCourtAt, kNameLength);
    e.homeName = textAt(record + kHomeNameAt, kNameLength);
    e.homeFile = textAt(record + kHomeFileAt, kPathLength);
    e.visitorName = textAt(record + kVisitorNameAt, kNameLength);
    e.visitorFile = textAt(record + kVisitorFileAt, kPathLength);
    e.gameFile = textAt(record + kGameFileAt, kPathLength);
    e.date.year = le32At(record + kDateAt);
    e.date.day = static_cast<std::int8_t>(record[kDateAt + 4]);
    e.date.month = static_cast<std::int8_t>(record[kDateAt + 5]);
    e.minute = le32At(record + kMinuteAt);
    e.hour = le32At(record + kHourAt);
    e.reserved1 = le32At(record + kReserved1At);
    e.reserved2 = le32At(record + kReserved2At);
    e.season = le32At(record + kSeasonAt);
    e.note = textAt(record + kNoteAt, kNoteLength);
    return e;
}

void ScheduleEntry::takeFromGame(const Game& game) {
    season = game.season;
    date.year = game.year;
    date.day = game.day;
    date.month = game.month;
    hour = game.hour;
    minute = game.minute;
    reserved1 = game.reserved3;
    reserved2 = game.reserved4;
    if (court.empty()) court = game.court;
}

}  // namespace courtlog
