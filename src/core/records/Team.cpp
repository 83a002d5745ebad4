#include "core/records/Team.h"

#include <algorithm>
#include <climits>

#include "core/records/FieldBytes.h"
#include "core/records/RecordSave.h"
#include "core/records/SafeSave.h"

namespace courtlog {

static_assert(Team::kStoredNameWidth + kStoredSize<Team> + 2 == Team::kHeaderSize, "the header up to the player count");

namespace {

// No team file comes anywhere near this; it only keeps a wrong file from
// being read into memory whole.
constexpr std::size_t kMaxTeamFileSize = 64u * 1024u * 1024u;

}  // namespace

bool Team::measureFile() {
    const long long size = fileSizeOf(fileName);
    if (size < 0) return false;
    fileSize = static_cast<std::int32_t>(std::min<long long>(size, INT32_MAX));
    return true;
}

bool Team::load(std::string* error) {
    auto bytes = readWholeFile(fileName, kMaxTeamFileSize, error);
    if (!bytes) return false;
    if (bytes->size() < kHeaderSize) {
        if (error) *error = "The file is shorter than a team file's header.";
        return false;
    }
    ByteReader in(*bytes);
    // A file cut short in its roster keeps what could be read, marked damaged.
    if (!readFrom(in)) damaged = true;
    return true;
}

bool Team::readFrom(ByteReader& in) {
    fileSize = static_cast<std::int32_t>(std::min<std::size_t>(in.size(), INT32_MAX));
    // The leading copy of the file name is never interpreted: a file moved to
    // another folder loads unchanged.
    in.skip(kStoredNameWidth);
    // A file cut short in its header keeps the values the team already had
    // for the fields it lacks.
    readFieldsWhole(in, *this);
    damaged = false;
    if (in.failed()) {
        clear();
        damaged = true;
        // The fields read before the end still hold only what a team may:
        // what the program shows or saves of them is readable again.
        bringIntoRange();
        return false;
    }
    const bool whole = readRoster(in) && !in.failed();
    if (!whole) damaged = true;
    // A stand-alone team file is exactly its header and n records, with or
    // without the personal information; any other size means the count or
    // the data is not what was written, and the players may be other bytes.
    if (!noPersonalInfo) {
        const long long n = playerCount();
        const long long size = fileSize;
        const auto header = static_cast<long long>(kHeaderSize);
        const auto player = static_cast<long long>(Player::kRecordSize);
        const auto info = static_cast<long long>(PersonalInfo::kRecordSize);
        if (size != header + n * player && size != header + n * (player + info))
            damaged = true;
    }
    if (bringIntoRange()) damaged = true;
    return whole;
}

bool Team::bringIntoRange() {
    bool changed = bringHeldFieldsIntoRange(*this);
    for (Player& player : players) changed = bringHeldFieldsIntoRange(player) || changed;
    return changed;
}

void Team::write(ByteWriter& out, bool withPersonalInfo, std::string_view storedName) const {
    // The header up to the player count as one record.
    std::uint8_t* p = out.extend(kHeaderSize - 2);
    encodeRecord(putText(p, storedName, kStoredNameWidth), *this);
    writeRoster(out, withPersonalInfo);
}

std::vector<std::uint8_t> Team::toBytes(std::string_view storedName) const {
    ByteWriter out;
    out.reserve(byteSize(!noPersonalInfo));
    write(out, !noPersonalInfo, storedName);
    return out.take();
}

bool Team::saveTo(const std::string& path, std::string* error) {
    // The file carries its own path in its leading bytes, as it always has.
    return saveRecordAs(fileName, path, toBytes(path), error);
}

}  // namespace courtlog
