#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/records/ScheduleColumn.h"
#include "core/records/ScheduleEntry.h"

namespace courtlog {

// A season schedule and its file (.sch): two header values, the entry
// count, then the 1024-byte entries in list order.
class Schedule {
public:
    static constexpr std::int32_t kHeaderA = 2, kHeaderB = 14;
    static constexpr std::size_t kHeaderSize = 12;
    // A schedule file holds at most this many entries (64 MB); a count
    // above it is damage, not a season.
    static constexpr std::size_t kMaxEntries = 65536;

    // Written at the start of the file, taken as they are when read.
    std::int32_t headerA = kHeaderA;
    std::int32_t headerB = kHeaderB;
    std::string fileName;  // empty for a new schedule
    std::vector<ScheduleEntry> entries;

    int entryCount() const { return static_cast<int>(entries.size()); }

    // How reading a schedule file went.
    enum class LoadOutcome {
        Loaded,
        Missing,     // no file of that name: a new schedule is started there
        Unreadable,  // it is there but cannot be read: nothing is known about its content
        Damaged,     // it is there but is not a schedule this program can trust
    };
    struct LoadResult {
        LoadOutcome outcome = LoadOutcome::Loaded;
        std::string error;  // the reason, for every outcome but Loaded
        bool ok() const { return outcome == LoadOutcome::Loaded; }
    };

    // Reads path. The entries are replaced only when the whole file could be
    // read. fileName becomes path when the file was read or is missing (a
    // new schedule of that name); a file that is there but could not be
    // read is not the schedule's file, so it is never saved back over by name.
    LoadResult load(const std::string& path);
    // Reads a file image. Refuses, changing nothing, an image shorter than
    // its header, a negative count, or a count the image cannot hold.
    bool readFrom(std::span<const std::uint8_t> data, std::string* error = nullptr);

    // Safe-saves the schedule to path; only once it is written does path
    // become fileName (see saveRecordAs).
    bool save(const std::string& path, std::string* error = nullptr);
    std::vector<std::uint8_t> toBytes() const;

    // Appends at the end; false when the schedule already holds kMaxEntries.
    bool addEntry(const ScheduleEntry& entry);
    // Closes the gap; false (nothing removed) when index names no entry.
    bool removeEntry(int index);

    // Selection sort over the whole schedule by column. With flag set, Date
    // puts the oldest first and every other column sorts descending; with
    // flag clear the other way round. Each place takes the first extreme
    // entry found from the front, and the entry it held moves to where that
    // one was.
    void sortBy(ScheduleColumn column, bool flag);
};

}  // namespace courtlog
