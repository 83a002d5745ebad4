#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/handheld/PalmResult.h"

namespace courtlog {

// The handheld's file-stream database: a standard Palm database header, a
// record list, a two-byte gap, then the payload cut into "DBLK" blocks of at
// most 4096 bytes. Every number is big-endian.
struct PalmDatabase {
    static constexpr std::size_t kHeaderSize = 78;       // up to and including the record count
    static constexpr std::size_t kRecordEntrySize = 8;   // offset, attributes, unique ID
    static constexpr std::size_t kGapSize = 2;
    static constexpr std::size_t kBlockHeaderSize = 8;   // "DBLK" and the length
    static constexpr std::size_t kBlockSize = 4096;      // payload bytes in a full block
    static constexpr std::size_t kNameWidth = 32;
    static constexpr std::size_t kMaxBlocks = 65535;     // the record count is a word
    // Seconds from 1 January 1904, the handheld's epoch, to 1 January 1970.
    static constexpr std::uint32_t kEpochOffset = 2082844800u;
    // No database this program writes comes near this; larger files are refused.
    static constexpr std::size_t kMaxFileSize = 16u * 1024u * 1024u;

    // Blocks a payload of size bytes needs.
    static std::size_t blockCount(std::size_t size) { return (size + kBlockSize - 1) / kBlockSize; }
    // Offset of block i in a database of n blocks.
    static std::size_t blockOffset(std::size_t n, std::size_t i) {
        return kHeaderSize + kRecordEntrySize * n + kGapSize + (kBlockHeaderSize + kBlockSize) * i;
    }

    // The database name for a destination file: its name without the folder,
    // cut at the first ".pdb", at most 31 characters.
    static std::string nameFor(const std::string& destination);
    // The current time in the handheld's seconds since 1904.
    static std::uint32_t timeNow();

    // The complete database image holding payload. Empty when the payload
    // needs more blocks than a database can list.
    static std::vector<std::uint8_t> build(std::span<const std::uint8_t> payload, const std::string& name,
                                           std::uint32_t palmTime);

    // The payload of a database image: the image is scanned in steps of four
    // bytes for "DBLK", and each block's bytes are appended in file order;
    // the record list is not consulted. The fixed header, which holds the
    // free-form name, is stepped over so a name never reads as a block. A
    // block longer than 4096 bytes or one that runs past the end of the image
    // refuses the whole database and leaves payload empty.
    static PalmResult extract(std::span<const std::uint8_t> image, std::vector<std::uint8_t>& payload);
};

// Writes the database holding payload to destination through the safe save,
// named after the destination file. Fails with "Could not Open Output File".
PalmResult writeDatabase(std::span<const std::uint8_t> payload, const std::string& destination);

// Reads the database file source and extracts its payload. Fails with
// "Could not Open Input File" when the file cannot be read, or with the
// reason the image was refused.
PalmResult extractDatabase(const std::string& source, std::vector<std::uint8_t>& payload);

}  // namespace courtlog
