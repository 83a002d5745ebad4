#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/handheld/PalmResult.h"
#include "core/records/Game.h"
#include "core/records/Team.h"

namespace courtlog {

// The team and game payloads the handheld keeps: big-endian, one byte for
// most numbers, a three-letter tag and a version word in front. Signed
// fields are written as their low byte and read back as a signed byte, so -1
// survives and values above 127 come back negative.
struct PalmPayload {
    static constexpr std::uint16_t kVersion = 256;
    static constexpr std::size_t kTextWidth = 25;
    static constexpr std::size_t kPlayerSize = 36;
    static constexpr std::size_t kEventSize = 48;
    static constexpr std::size_t kTeamHeaderSize = 3 + 2 + 3 * kTextWidth + 1;  // up to the player count
    // Where the two-digit season sits in a game payload: after the tag, the
    // version, five texts, two reserved bytes, the year word and four date
    // and time bytes.
    static constexpr std::size_t kGameSeasonOffset = 3 + 2 + 5 * kTextWidth + 2 + 2 + 4;
    // The player count is a signed byte: a larger roster cannot be read back.
    static constexpr int kMaxPlayers = 127;

    // Two-digit season as the handheld stores it, and back. A stored 95 or a
    // negative value stands for the game's own year.
    static int seasonToPalm(int season);
    static int seasonFromPalm(std::int8_t stored, int year);

    // "tem", version, name, coach, assistant, the roster. Personal
    // information, spare text, logo and file name are not carried.
    static std::vector<std::uint8_t> team(const Team& team);
    // "gam", version, the game information, both teams, both event lists.
    static std::vector<std::uint8_t> game(const Game& game);

    // Reads a team payload into team (a freshly made one); on failure team is
    // left as it was and the result carries "Not a Palm Team", the version
    // message, or the reason the payload is incomplete.
    static PalmResult readTeam(std::span<const std::uint8_t> payload, Team& team);
    // The same for a game; the events are appended with addVisitorEvent and
    // addHomeEvent and isNew becomes 0.
    static PalmResult readGame(std::span<const std::uint8_t> payload, Game& game);

    // Why a roster cannot go to the handheld (more players than the count
    // byte can carry), or an empty text.
    static std::string rosterProblem(const Team& team);
};

}  // namespace courtlog
