#include "core/records/Schedule.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "core/records/RecordSave.h"
#include "core/records/SafeSave.h"

namespace courtlog {

namespace {

constexpr std::size_t kMaxFileSize = Schedule::kHeaderSize + Schedule::kMaxEntries * ScheduleEntry::kRecordSize;

int compareNumbers(long long a, long long b) { return a < b ? -1 : (a > b ? 1 : 0); }

// Byte by byte, each byte taken as unsigned.
int compareTexts(const std::string& a, const std::string& b) {
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// Negative when a's key is smaller than b's.
int compareBy(ScheduleColumn column, const ScheduleEntry& a, const ScheduleEntry& b) {
    switch (column) {
        case ScheduleColumn::Date:
            if (int c = compareNumbers(a.date.year, b.date.year)) return c;
            if (int c = compareNumbers(a.date.month, b.date.month)) return c;
            return compareNumbers(a.date.day, b.date.day);
        case ScheduleColumn::Time:
            if (int c = compareNumbers(a.hour, b.hour)) return c;
            return compareNumbers(a.minute, b.minute);
        case ScheduleColumn::Event: return compareNumbers(a.kind, b.kind);
        case ScheduleColumn::Home: return compareTexts(a.homeName, b.homeName);
        case ScheduleColumn::Visitor: return compareTexts(a.visitorName, b.visitorName);
        case ScheduleColumn::GameFile: return compareTexts(a.gameFile, b.gameFile);
        case ScheduleColumn::Court: return compareTexts(a.court, b.court);
        case ScheduleColumn::Note: return compareTexts(a.note, b.note);
    }
    return 0;
}

}  // namespace

Schedule::LoadResult Schedule::load(const std::string& path) {
    LoadResult result;
    std::error_code ignored;
    if (std::filesystem::status(path, ignored).type() == std::filesystem::file_type::not_found) {
        result.outcome = LoadOutcome::Missing;
        result.error = "No such schedule file: " + path;
        fileName = path;
        return result;
    }
    // A file too large for any schedule is read no further than that.
    auto bytes = readWholeFile(path, kMaxFileSize, &result.error);
    if (!bytes) {
        const bool tooLarge = fileSizeOf(path) > static_cast<long long>(kMaxFileSize);
        result.outcome = tooLarge ? LoadOutcome::Damaged : LoadOutcome::Unreadable;
        // The reader's reason names the file: "Can't read PATH: Is a directory".
        if (tooLarge) result.error = "The schedule file is larger than any schedule: " + path;
        return result;
    }
    if (!readFrom(*bytes, &result.error)) {
        result.outcome = LoadOutcome::Damaged;
        result.error += ": " + path;
        return result;
    }
    fileName = path;
    return result;
}

bool Schedule::readFrom(std::span<const std::uint8_t> data, std::string* error) {
    auto refuse = [&](const char* why) {
        if (error) *error = why;
        return false;
    };
    ByteReader in(data);
    const std::int32_t a = in.i32();
    const std::int32_t b = in.i32();
    const std::int32_t count = in.i32();
    if (in.failed()) return refuse("The schedule file is shorter than its header");
    if (count < 0) return refuse("The schedule file gives a negative number of entries");
    // The count is checked against what the data holds before anything is
    // allocated for it.
    const std::size_t n = static_cast<std::size_t>(count);
    if (n > kMaxEntries || n > in.remaining() / ScheduleEntry::kRecordSize)
        return refuse("The schedule file names more entries than it holds");
    std::vector<ScheduleEntry> read;
    read.reserve(n);
    for (std::size_t i = 0; i < n; ++i) read.push_back(ScheduleEntry::read(in.takeBlock(ScheduleEntry::kRecordSize)));
    headerA = a;
    headerB = b;
    entries = std::move(read);
    return true;
}

bool Schedule::save(const std::string& path, std::string* error) {
    return saveRecordAs(fileName, path, toBytes(), error);
}

std::vector<std::uint8_t> Schedule::toBytes() const {
    ByteWriter out;
    out.i32(headerA);
    out.i32(headerB);
    out.i32(static_cast<std::int32_t>(entries.size()));
    for (const ScheduleEntry& e : entries) e.write(out);
    return out.take();
}

bool Schedule::addEntry(const ScheduleEntry& entry) {
    // Never more than a schedule file may hold, or the file written would
    // be refused when read.
    if (entries.size() >= kMaxEntries) return false;
    entries.push_back(entry);
    return true;
}

bool Schedule::removeEntry(int index) {
    if (index < 0 || index >= entryCount()) return false;
    entries.erase(entries.begin() + index);
    return true;
}

void Schedule::sortBy(ScheduleColumn column, bool flag) {
    // Date runs oldest first with the flag set; every other column runs
    // the other way with the same flag.
    const bool ascending = column == ScheduleColumn::Date ? flag : !flag;
    const std::size_t n = entries.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        std::size_t extreme = i;
        for (std::size_t j = i + 1; j < n; ++j) {
            const int c = compareBy(column, entries[j], entries[extreme]);
            if (ascending ? c < 0 : c > 0) extreme = j;
        }
        if (extreme != i) std::swap(entries[i], entries[extreme]);
    }
}

}  // namespace courtlog
