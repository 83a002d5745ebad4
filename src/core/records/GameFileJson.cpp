#include "core/records/GameFileJson.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

#include "core/records/ByteIo.h"
#include "core/records/FieldBytes.h"
#include "core/records/Game.h"
#include "core/records/JsonForm.h"
#include "core/records/JsonStreamWriter.h"
#include "core/records/ReadOnlyFile.h"

namespace courtlog {

namespace {

// Plays read and written per piece: about 70 KB.
constexpr std::size_t kPlaysPerPiece = 1024;

using ReadAt = std::function<bool(std::uint64_t offset, std::uint8_t* to, std::size_t n)>;

enum class Outcome { Written, Damaged, ReadFailed };

Outcome streamGame(std::uint64_t size, const ReadAt& readAt, JsonStreamWriter& out) {
    // Everything up to the plays: the information block, halves, the period
    // and the two team blocks, whose lengths follow from their player counts.
    std::vector<std::uint8_t> head;
    auto extendHead = [&](std::size_t n) {
        const std::size_t have = head.size();
        const auto take = static_cast<std::size_t>(std::min<std::uint64_t>(n, size - have));
        head.resize(have + take);
        return take == 0 || readAt(have, head.data() + have, take);
    };
    auto playersOfTeamAt = [&](std::size_t teamAt) -> std::size_t {
        const std::size_t countAt = teamAt + Team::kHeaderSize - 2;
        if (head.size() < countAt + 2) return 0;
        return static_cast<std::size_t>(head[countAt] | (head[countAt + 1] << 8));
    };
    const std::size_t homeAt = Game::kInfoBlockSize + 4;
    if (!extendHead(homeAt + Team::kHeaderSize)) return Outcome::ReadFailed;
    const std::size_t homePlayers = playersOfTeamAt(homeAt);
    if (!extendHead(homePlayers * Player::kRecordSize + Team::kHeaderSize)) return Outcome::ReadFailed;
    const std::size_t visitorPlayers = playersOfTeamAt(homeAt + Team::kHeaderSize + homePlayers * Player::kRecordSize);
    if (!extendHead(visitorPlayers * Player::kRecordSize + 4)) return Outcome::ReadFailed;

    // The head holds exactly what the reader of a whole file would use, so
    // it is judged by the same reader.
    Game game;
    ByteReader in(head);
    std::size_t visitorCount = 0;
    std::size_t homeCount = 0;
    if (!game.readHeadFrom(in, visitorCount, homeCount)) return Outcome::Damaged;
    const std::uint64_t visitorPlaysAt = in.position();
    if ((visitorCount + homeCount) * PlayEvent::kRecordSize > size - visitorPlaysAt) return Outcome::Damaged;
    const std::uint64_t homePlaysAt = visitorPlaysAt + visitorCount * PlayEvent::kRecordSize;

    std::vector<std::uint8_t> piece;
    auto playsAt = [&](std::uint64_t at, std::size_t count) -> PlayFeed {
        return [&, at, count](const std::function<void(const PlayEvent&)>& play) {
            std::uint64_t offset = at;
            for (std::size_t left = count; left > 0;) {
                const std::size_t n = std::min(left, kPlaysPerPiece);
                piece.resize(n * PlayEvent::kRecordSize);
                if (!readAt(offset, piece.data(), piece.size())) return false;
                ByteReader plays(piece);
                for (std::size_t i = 0; i < n; ++i) play(readRecord<PlayEvent>(plays));
                offset += piece.size();
                left -= n;
            }
            return true;
        };
    };
    return writeGameJson(out, game, playsAt(homePlaysAt, homeCount), playsAt(visitorPlaysAt, visitorCount))
               ? Outcome::Written
               : Outcome::ReadFailed;
}

}  // namespace

bool writeGameFileJson(const std::string& path, JsonStreamWriter& out, std::string* error) {
    ReadOnlyFile file;
    if (!file.open(path, Game::kMaxFileSize, error)) return false;
    if (!file.isRegular()) {
        // A pipe or a device cannot be read at will: it is read whole, as
        // the game reads it.
        const auto bytes = file.readToEnd(Game::kMaxFileSize, error);
        if (!bytes) return false;
        Game game;
        ByteReader in(*bytes);
        if (!game.readFrom(in)) {
            if (error) *error = Game::damagedFileMessage(path);
            return false;
        }
        writeGameJson(out, game);
        return true;
    }
    std::string readError;
    const Outcome outcome = streamGame(
        file.size(),
        [&](std::uint64_t offset, std::uint8_t* to, std::size_t n) { return file.readAt(offset, to, n, &readError); },
        out);
    if (outcome == Outcome::Written) return true;
    if (error) *error = outcome == Outcome::Damaged ? Game::damagedFileMessage(path) : readError;
    return false;
}

bool writeGameImageJson(std::span<const std::uint8_t> image, JsonStreamWriter& out) {
    return streamGame(
               image.size(),
               [&](std::uint64_t offset, std::uint8_t* to, std::size_t n) {
                   std::memcpy(to, image.data() + offset, n);
                   return true;
               },
               out) == Outcome::Written;
}

}  // namespace courtlog
