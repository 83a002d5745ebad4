#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/ByteIo.h"
#include "core/records/Player.h"
#include "core/records/Team.h"

namespace courtlog {

// One recorded play (71 bytes in a game file). Its fields are described in
// RecordFields.h.
struct PlayEvent {
    static constexpr std::size_t kRecordSize = 71;

    Player player;  // copy of the acting player's roster entry
    std::int16_t kind = 0;  // EventKind; 0 marks a deleted event
    std::int16_t shotResult = 0;
    std::int16_t shotX = 0;
    std::int16_t shotY = 0;
    std::int16_t foulKind = 0;
    std::int16_t reserved1 = 0;
    std::int16_t technicalKind = 0;
    std::int16_t reserved2 = 0;
    std::int16_t reboundKind = 0;
    std::int16_t goalTendKind = 0;
    std::int16_t turnoverKind = 0;
    std::int16_t period = 0;

    bool operator==(const PlayEvent&) const = default;
};

// The plays of a game file left as their records in the file's bytes, for
// readers that only pass over them (statistics over a season): decoding
// each into a PlayEvent costs more than what they do with it.
struct PlayRecords {
    std::vector<std::uint8_t> bytes;  // the whole file
    std::size_t visitorAt = 0;        // offset of the first visiting play
    std::size_t visitorCount = 0;
    std::size_t homeAt = 0;
    std::size_t homeCount = 0;

    // The first record of a side's plays and how many there are.
    const std::uint8_t* first(bool home) const { return bytes.data() + (home ? homeAt : visitorAt); }
    std::size_t count(bool home) const { return home ? homeCount : visitorCount; }
};

// One play record (PlayEvent::kRecordSize bytes): the player's name as
// stored (up to its terminator), and the play with every field but the
// player's name, period played and court slot.
std::string_view playerNameOf(const std::uint8_t* record);
PlayEvent playFieldsOf(const std::uint8_t* record);

class Game {
public:
    static constexpr std::size_t kTextWidth = 25;
    static constexpr std::size_t kInfoBlockSize = 193;
    static constexpr std::size_t kEmptyFileSize = 733;
    // Even the largest game (32,767 plays a team) is under 5 MB; a file
    // beyond this is not a game file.
    static constexpr std::size_t kMaxFileSize = 64u * 1024u * 1024u;

    // Game information block, in file order.
    std::string court = " ";
    std::string attendance = " ";
    std::string referee1 = " ";
    std::string referee2 = " ";
    std::string referee3 = " ";
    std::string homeName;
    std::string visitorName;
    std::int16_t reserved1 = 0;
    std::int16_t reserved2 = 0;
    std::int16_t year = 0;
    std::int8_t day = 0;
    std::int8_t month = 0;
    std::int16_t minute = 0;
    std::int16_t hour = 12;
    std::int16_t reserved3 = 0;
    std::int16_t reserved4 = 0;
    std::int16_t season = 0;

    Team home;
    Team visitor;
    std::string fileName;
    std::int16_t isNew = 1;
    std::int16_t halves = 0;
    std::int16_t currentPeriod = 0;

    // A new game: today's date, this year's season, 12:00, empty teams held
    // without personal information, halves as the league option says.
    explicit Game(bool playedInHalves = false);

    // Sets date and season to today.
    void setToday();

    // A side's play list holds at most this many plays: the count is stored
    // in 16 bits.
    static constexpr std::size_t kMaxEvents = 32767;
    bool isFull(bool home) const { return events(home).size() >= kMaxEvents; }

    // The plays of each side in recording order. They change only through
    // the functions below, which keep the scores.
    const std::vector<PlayEvent>& homeEvents() const { return homeEvents_; }
    const std::vector<PlayEvent>& visitorEvents() const { return visitorEvents_; }
    const std::vector<PlayEvent>& events(bool home) const { return home ? homeEvents_ : visitorEvents_; }
    int homeEventCount() const { return static_cast<int>(homeEvents_.size()); }
    int visitorEventCount() const { return static_cast<int>(visitorEvents_.size()); }

    // Safe-saves the whole game to path and, once it is written, remembers
    // it as fileName; after a failure fileName is what it was. Both save and
    // load first let the background saver finish what it is writing.
    bool save(const std::string& path, std::string* error = nullptr);
    // Loads path into this (freshly made) game and remembers it as fileName.
    // Fails when the file cannot be opened or does not hold the records its
    // counts claim; fileName is then left as it was, so a game that did not
    // load is never saved back over its file by name.
    bool load(const std::string& path, std::string* error = nullptr);
    // load, except that the plays stay as records in plays (the event lists
    // are left empty). Fails exactly where load fails.
    bool loadLeavingPlays(const std::string& path, PlayRecords& plays, std::string* error = nullptr);
    // The reason load gives for a file that does not hold a whole game.
    static std::string damagedFileMessage(const std::string& path);
    // Reads a game file image; false when it is truncated or its counts are
    // impossible. What was read before the fault stays in the game.
    bool readFrom(ByteReader& in);
    // Reads a game file image up to and including the two play counts
    // (the events follow: visitorCount, then homeCount records). False when
    // that part is truncated or a count is negative.
    bool readHeadFrom(ByteReader& in, std::size_t& visitorCount, std::size_t& homeCount);
    std::vector<std::uint8_t> toBytes() const;

    // The score of each side: the points of every play's shot result, held
    // at the 16-bit range a score is kept in. Counted when the plays are
    // read and kept by every change below, so a reader just asks.
    int homeScore() const { return heldScore(homePoints_); }
    int visitorScore() const { return heldScore(visitorPoints_); }
    // A side's points in one period, held the same way.
    int homePointsInPeriod(int period) const;
    int visitorPointsInPeriod(int period) const;

    bool addHomeEvent(const PlayEvent& event);
    bool addVisitorEvent(const PlayEvent& event);
    // Takes the newest play of a side away; false when it has none.
    bool removeLastEvent(bool home);
    // Exchanges a side's whole play list with plays.
    void swapEvents(bool home, std::vector<PlayEvent>& plays);
    // Puts plays in place of a side's whole play list.
    void setEvents(bool home, std::vector<PlayEvent> plays) { swapEvents(home, plays); }
    bool purgeHomeEvents();
    bool purgeVisitorEvents();
    void renamePlayer(const Player& oldPlayer, const Player& newPlayer, bool isHome);

    // Points held at the range of a score, 0 to 32767.
    static int heldScore(long long points);

private:
    // Counts both scores afresh from the plays.
    void recountScores();

    std::vector<PlayEvent> homeEvents_;
    std::vector<PlayEvent> visitorEvents_;
    long long homePoints_ = 0;
    long long visitorPoints_ = 0;
};

}  // namespace courtlog
