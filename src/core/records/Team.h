#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/records/ByteIo.h"
#include "core/records/Player.h"

namespace courtlog {

// The player list with its parallel personal-information list.
class Roster {
public:
    std::vector<Player> players;
    std::vector<PersonalInfo> personalInfo;  // always the same length as players
    bool noPersonalInfo = false;  // set for the two teams held inside a game
    std::int32_t fileSize = 0;    // size of the team file when it was opened for reading
    std::size_t claimedCount = 0;  // the player count the file read last claimed

    int playerCount() const { return static_cast<int>(players.size()); }

    void clear();
    void addPlayer(const Player& player, const PersonalInfo& info);
    bool removePlayer(int index);
    void assignFrom(const Roster& other);
    void appendTo(Roster& other) const;
    static bool samePlayer(const Player& a, const Player& b);

    // Count (int16), players, and the personal information unless noPersonalInfo.
    void writeRoster(ByteWriter& out) const { writeRoster(out, !noPersonalInfo); }
    void writeRoster(ByteWriter& out, bool withPersonalInfo) const;
    // Bytes writeRoster writes.
    std::size_t rosterByteSize(bool withPersonalInfo) const;
    // Reads the complete records the data holds, never more than the count.
    // Personal information is taken only when the size rule of the team file
    // says the block is there (fileSize - (266 + 47n) == 331n).
    bool readRoster(ByteReader& in);
};

// A team; its own fields are described in RecordFields.h.
class Team : public Roster {
public:
    static constexpr std::size_t kFileNameWidth = 260, kNameWidth = 25, kLogoFileWidth = 80;
    static constexpr std::size_t kHeaderSize = 266;  // up to and including the player count
    // The leading copy of the file name in a team file (never read back).
    static constexpr std::size_t kStoredNameWidth = 80;

    std::string fileName;
    std::string name;
    std::string coach;
    std::string assistant;
    std::string spareText;
    std::string logoFile = "default.bmp";
    std::int16_t logoLayout = 0;  // 0 fit, 1 tile, 2 centre
    std::int16_t logoFade = 0;    // percent, steps of 5

    // Set when the file read last did not hold a whole team as this program
    // writes it: a size that fits no team of its player count, records cut
    // short, or values out of their ranges (brought into range). Not stored;
    // a damaged team is not written back over its file without asking.
    bool damaged = false;

    // Length of fileName's file into fileSize; unchanged when it cannot be opened.
    bool measureFile();
    // Reads fileName. Fails, leaving the team unchanged, when the file cannot
    // be opened or is shorter than a team's header; a file with a header
    // loads what it holds, in range, and sets damaged when it was not whole.
    bool load(std::string* error = nullptr);
    // Reads a team file image; fileSize is set to the reader's size. Returns
    // false when the image is shorter than its header and the records its
    // count claims (what could be read stays in the team). Brings layout,
    // fade, positions and slots into their ranges and sets damaged.
    bool readFrom(ByteReader& in);
    // Layout 0..2, fade 0..100, positions 0..3, slots 0..5; true when any
    // value had to be moved.
    bool bringIntoRange();
    void write(ByteWriter& out) const { write(out, !noPersonalInfo); }
    // The team block with or without the personal information, whatever
    // noPersonalInfo says (a game holds its teams without it).
    void write(ByteWriter& out, bool withPersonalInfo) const { write(out, withPersonalInfo, fileName); }
    // The same with storedName in the leading 80 bytes instead of fileName
    // (a team written under a new name carries that name).
    void write(ByteWriter& out, bool withPersonalInfo, std::string_view storedName) const;
    // Bytes write writes.
    std::size_t byteSize(bool withPersonalInfo) const { return kHeaderSize - 2 + rosterByteSize(withPersonalInfo); }
    std::vector<std::uint8_t> toBytes() const { return toBytes(fileName); }
    std::vector<std::uint8_t> toBytes(std::string_view storedName) const;
    // Safe-saves the team to path; only once it is written does path become
    // fileName (see saveRecordAs).
    bool saveTo(const std::string& path, std::string* error = nullptr);

    // Comma-delimited or (".txt", any case) plain-text roster import.
    struct ImportResult {
        bool ok = false;
        int badLine = 0;     // 1-based line of a refused line, 0 otherwise
        std::string error;   // the message to show
    };
    ImportResult importFrom(const std::string& path);
    ImportResult importCommaDelimited(std::string_view text);
    ImportResult importPlainText(std::string_view text);
};

}  // namespace courtlog
