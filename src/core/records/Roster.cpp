#include <algorithm>

#include "core/records/FieldBytes.h"
#include "core/records/Team.h"

namespace courtlog {

static_assert(kStoredSize<Player> == Player::kRecordSize);
static_assert(kStoredSize<PersonalInfo> == PersonalInfo::kRecordSize);

void Roster::clear() {
    players.clear();
    personalInfo.clear();
}

void Roster::addPlayer(const Player& player, const PersonalInfo& info) {
    players.push_back(player);
    personalInfo.push_back(info);
}

bool Roster::removePlayer(int index) {
    if (index < 0 || index > playerCount() - 1) return false;
    players.erase(players.begin() + index);
    // The two lists always have the same length; guard anyway so a caller that
    // broke the pairing cannot make us erase past the end.
    if (static_cast<std::size_t>(index) < personalInfo.size())
        personalInfo.erase(personalInfo.begin() + index);
    return true;
}

void Roster::assignFrom(const Roster& other) {
    if (&other == this) return;
    const int n = playerCount();
    const int m = other.playerCount();
    for (int i = 0; i < std::min(n, m); ++i) {
        players[static_cast<std::size_t>(i)] = other.players[static_cast<std::size_t>(i)];
        personalInfo[static_cast<std::size_t>(i)] = other.personalInfo[static_cast<std::size_t>(i)];
    }
    for (int i = n - 1; i >= m; --i) removePlayer(i);
    for (int i = n; i < m; ++i)
        addPlayer(other.players[static_cast<std::size_t>(i)],
                  other.personalInfo[static_cast<std::size_t>(i)]);
}

void Roster::appendTo(Roster& other) const {
    if (&other == this) {
        Roster copy = *this;
        copy.appendTo(other);
        return;
    }
    for (std::size_t i = 0; i < players.size(); ++i) {
        other.addPlayer(players[i], i < personalInfo.size() ? personalInfo[i] : PersonalInfo{});
    }
}

bool Roster::samePlayer(const Player& a, const Player& b) { return a.name == b.name && a.number == b.number; }

std::size_t Roster::rosterByteSize(bool withPersonalInfo) const {
    // Only the low 16 bits of the count go to the file, and as many records.
    const std::size_t count = static_cast<std::uint16_t>(players.size());
    return 2 + count * (Player::kRecordSize + (withPersonalInfo ? PersonalInfo::kRecordSize : 0));
}

void Roster::writeRoster(ByteWriter& out, bool withPersonalInfo) const {
    const auto count = static_cast<std::uint16_t>(players.size());
    std::uint8_t* p = out.extend(rosterByteSize(withPersonalInfo));
    p = putLe16(p, static_cast<std::int16_t>(count));
    for (std::size_t i = 0; i < count; ++i) p = encodeRecord(p, players[i]);
    if (withPersonalInfo) {
        for (std::size_t i = 0; i < count; ++i)
            p = encodeRecord(p, i < personalInfo.size() ? personalInfo[i] : PersonalInfo{});
    }
}

bool Roster::readRoster(ByteReader& in) {
    clear();
    // The count is stored in 16 bits and read back unsigned (0..65535).
    const std::size_t claimed = static_cast<std::uint16_t>(in.i16());
    if (in.failed()) return false;
    claimedCount = claimed;

    // Never trust the count beyond what the data can hold.
    const std::size_t available = std::min(claimed, in.remaining() / Player::kRecordSize);
    players.reserve(available);
    for (std::size_t i = 0; i < available; ++i) players.push_back(readRecord<Player>(in));
    personalInfo.assign(available, PersonalInfo{});

    if (available < claimed) {
        // Short of the claimed records: step over the end so the reader
        // reports the truncation to whoever reads on.
        in.skip(Player::kRecordSize);
        return false;
    }

    if (!noPersonalInfo && claimed > 0) {
        // The personal-information block is there only when the file size says
        // so exactly; older files without it load with blank information.
        const long long expected =
            static_cast<long long>(Team::kHeaderSize) + static_cast<long long>(claimed) * Player::kRecordSize;
        const long long blockSize = static_cast<long long>(claimed) * PersonalInfo::kRecordSize;
        if (static_cast<long long>(fileSize) - expected == blockSize &&
            in.remaining() >= static_cast<std::size_t>(blockSize)) {
            for (std::size_t i = 0; i < claimed; ++i) personalInfo[i] = readRecord<PersonalInfo>(in);
        }
    }
    return true;
}

}  // namespace courtlog
