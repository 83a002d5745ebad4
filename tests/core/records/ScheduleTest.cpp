#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/records/ByteIo.h"
#include "core/records/Schedule.h"
#include "core/records/ScheduleSortDirections.h"

namespace courtlog {
namespace {

using testing::readFile;
using testing::ScratchFolder;
using testing::scheduled;
using testing::writeBytes;

std::int32_t int32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::int32_t v;
    std::memcpy(&v, &b[at], 4);
    return v;
}

std::string textAt(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::string(reinterpret_cast<const char*>(&b[at]));
}

Schedule threeEvents() {
    Schedule s;
    s.addEntry(scheduled(GameEvent, 3, 14, 2024, 19, 30, "Hawks", "Miners", "Main Gym", "Bring the scorebook"));
    s.addEntry(scheduled(PracticeEvent, 1, 5, 2024, 17, 0, "Hawks"));
    s.addEntry(scheduled(TournamentEvent, 12, 1, 2023, 9, 15, "Ravens", "Hawks", "Arena"));
    return s;
}

TEST(ScheduleFile, ThreeEntriesMakeHeaderAndThreeRecordsAtTheirOffsets) {
    Schedule s = threeEvents();
    s.entries[0].homeFile = "/teams/hawks.tem";
    s.entries[0].visitorFile = "/teams/miners.tem";
    s.entries[0].gameFile = "/games/hawks-miners.gam";
    s.entries[0].reserved1 = 7;
    s.entries[0].reserved2 = -8;
    const auto b = s.toBytes();
    ASSERT_EQ(b.size(), 12u + 3072u);
    EXPECT_EQ(int32At(b, 0), 2);
    EXPECT_EQ(int32At(b, 4), 14);
    EXPECT_EQ(int32At(b, 8), 3);

    const std::size_t e = 12;
    EXPECT_EQ(int32At(b, e + 0), GameEvent);
    EXPECT_EQ(textAt(b, e + 4), "Main Gym");
    EXPECT_EQ(textAt(b, e + 29), "Hawks");
    EXPECT_EQ(textAt(b, e + 54), "/teams/hawks.tem");
    EXPECT_EQ(textAt(b, e + 314), "Miners");
    EXPECT_EQ(textAt(b, e + 339), "/teams/miners.tem");
    EXPECT_EQ(textAt(b, e + 599), "/games/hawks-miners.gam");
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + e + 859, b.begin() + e + 867), std::vector<std::uint8_t>(8, 0));
    EXPECT_EQ(int32At(b, e + 867), 2024);
    EXPECT_EQ(b[e + 871], 14);  // day, then month
    EXPECT_EQ(b[e + 872], 3);
    EXPECT_EQ(int32At(b, e + 873), 30);  // minute, then hour
    EXPECT_EQ(int32At(b, e + 877), 19);
    EXPECT_EQ(int32At(b, e + 881), 7);
    EXPECT_EQ(int32At(b, e + 885), -8);
    EXPECT_EQ(int32At(b, e + 889), 2024);
    EXPECT_EQ(textAt(b, e + 893), "Bring the scorebook");
    EXPECT_EQ(int32At(b, 12 + 1024), PracticeEvent);
    EXPECT_EQ(int32At(b, 12 + 2048), TournamentEvent);

    ScratchFolder folder;
    ASSERT_TRUE(s.save(folder.file("season.sch")));
    EXPECT_EQ(s.fileName, folder.file("season.sch"));
    Schedule back;
    ASSERT_TRUE(back.load(folder.file("season.sch")).ok());
    EXPECT_EQ(back.entries, s.entries);

    // The header values are taken as they stand.
    s.headerA = 7;
    s.headerB = -1;
    ASSERT_TRUE(back.readFrom(s.toBytes()));
    EXPECT_EQ(back.headerA, 7);
    EXPECT_EQ(back.headerB, -1);
}

TEST(ScheduleFile, TextsKeepTheirTerminatorAndTheNoteHoldsOneHundredThirty) {
    Schedule s;
    ScheduleEntry e = scheduled(GameEvent, 1, 1, 2024);
    e.note = std::string(130, 'n');
    e.homeName = std::string(30, 'h');
    s.addEntry(e);
    e.note = std::string(200, 'm');
    s.addEntry(e);
    const auto bytes = s.toBytes();
    Schedule back;
    ASSERT_TRUE(back.readFrom(bytes));
    EXPECT_EQ(back.entries[0].note, std::string(130, 'n'));
    EXPECT_EQ(back.entries[1].note, std::string(130, 'm'));
    EXPECT_EQ(back.entries[0].homeName, std::string(24, 'h'));
    EXPECT_EQ(bytes[12 + 1023], 0);
    EXPECT_EQ(bytes[12 + 29 + 24], 0);

    // A record from elsewhere without terminators reads cut the same way.
    std::vector<std::uint8_t> filled = bytes;
    std::fill(filled.begin() + 12 + 893, filled.begin() + 12 + 1024, 'x');
    ASSERT_TRUE(back.readFrom(filled));
    EXPECT_EQ(back.entries[0].note, std::string(130, 'x'));
}

struct DamagedCase {
    const char* what;
    std::vector<std::uint8_t> bytes;
    const char* reason;
};

void PrintTo(const DamagedCase& c, std::ostream* os) { *os << c.what; }

std::vector<std::uint8_t> image(std::int32_t count, std::size_t recordBytes) {
    ByteWriter out;
    out.i32(2);
    out.i32(14);
    out.i32(count);
    out.bytes(std::vector<std::uint8_t>(recordBytes, 0));
    return out.take();
}

class DamagedScheduleFile : public ::testing::TestWithParam<DamagedCase> {};

// A damaged file is refused before anything is allocated for its count,
// and the schedule in memory stays as it was.
TEST_P(DamagedScheduleFile, IsRefusedWithItsReason) {
    Schedule s = threeEvents();
    const auto before = s.entries;
    std::string error;
    EXPECT_FALSE(s.readFrom(GetParam().bytes, &error));
    EXPECT_EQ(error, GetParam().reason);
    EXPECT_EQ(s.entries, before);

    ScratchFolder folder;
    writeBytes(folder.file("bad.sch"), GetParam().bytes);
    const Schedule::LoadResult result = s.load(folder.file("bad.sch"));
    EXPECT_EQ(result.outcome, Schedule::LoadOutcome::Damaged);
    EXPECT_EQ(result.error, std::string(GetParam().reason) + ": " + folder.file("bad.sch"));
    EXPECT_EQ(s.entries, before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedScheduleFile,
    ::testing::Values(DamagedCase{"Empty", {}, "The schedule file is shorter than its header"},
                      DamagedCase{"ElevenBytes", std::vector<std::uint8_t>(11, 0),
                                  "The schedule file is shorter than its header"},
                      DamagedCase{"NegativeCount", image(-1, 1024),
                                  "The schedule file gives a negative number of entries"},
                      DamagedCase{"CountOneBeyondTheRecords", image(2, 1024 + 1023),
                                  "The schedule file names more entries than it holds"},
                      DamagedCase{"HugeCount", image(0x7fffffff, 1024),
                                  "The schedule file names more entries than it holds"}),
    courtlog::testing::NameFromWhat());

TEST(ScheduleFile, MissingFileStartsAnEmptyScheduleOfThatName) {
    ScratchFolder folder;
    Schedule s;
    const Schedule::LoadResult result = s.load(folder.file("none.sch"));
    EXPECT_EQ(result.outcome, Schedule::LoadOutcome::Missing);
    EXPECT_TRUE(s.entries.empty());
    EXPECT_EQ(s.fileName, folder.file("none.sch"));
}

// Only a missing file names a new schedule; a file that is there but cannot
// be read or trusted is not bound to the schedule, so nothing is saved back
// over it by name.
TEST(ScheduleFile, AnUnreadableOrDamagedFileIsNotTheSchedulesFile) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder.file("folder.sch"));
    Schedule unreadable;
    const Schedule::LoadResult a = unreadable.load(folder.file("folder.sch"));
    EXPECT_EQ(a.outcome, Schedule::LoadOutcome::Unreadable);
    EXPECT_NE(a.error.find(folder.file("folder.sch")), std::string::npos) << a.error;
    EXPECT_EQ(unreadable.fileName, "");

    writeBytes(folder.file("bad.sch"), image(2, 1024));
    Schedule damaged;
    EXPECT_EQ(damaged.load(folder.file("bad.sch")).outcome, Schedule::LoadOutcome::Damaged);
    EXPECT_EQ(damaged.fileName, "");
}

TEST(ScheduleFile, AFailedSaveKeepsTheFileTheScheduleHad) {
    ScratchFolder folder;
    Schedule s;
    ASSERT_TRUE(s.save(folder.file("own.sch")));
    std::string error;
    EXPECT_FALSE(s.save(folder.file("gone/other.sch"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(s.fileName, folder.file("own.sch"));
}

TEST(ScheduleFile, RecordsBeyondTheCountAreIgnored) {
    auto bytes = image(1, 2048);
    Schedule s;
    ASSERT_TRUE(s.readFrom(bytes));
    EXPECT_EQ(s.entryCount(), 1);
}

TEST(ScheduleEntries, RemoveClosesTheGapAndRefusesIndexesBeyondTheList) {
    Schedule s = threeEvents();
    EXPECT_FALSE(s.removeEntry(3));
    EXPECT_FALSE(s.removeEntry(-1));
    ASSERT_TRUE(s.removeEntry(1));
    ASSERT_EQ(s.entryCount(), 2);
    EXPECT_EQ(s.entries[1].kind, TournamentEvent);
    Schedule empty;
    EXPECT_FALSE(empty.removeEntry(0));
}

TEST(ScheduleEntries, KindTexts) {
    const std::vector<std::string> texts{"No Event",     "Practice", "Game",  "Practice Game", "Team Meeting",
                                         "Workout",      "Party",    "Pre-Season", "Tournament"};
    for (int kind = 0; kind <= 8; ++kind) EXPECT_EQ(scheduleEventKindText(kind), texts[static_cast<std::size_t>(kind)]);
    EXPECT_EQ(scheduleEventKindText(9), "No Event");
    EXPECT_EQ(scheduleEventKindText(-3), "No Event");

}

std::vector<std::string> homes(const Schedule& s) {
    std::vector<std::string> out;
    for (const ScheduleEntry& e : s.entries) out.push_back(e.homeName);
    return out;
}

TEST(ScheduleSorting, HomeTwiceGivesDescendingThenAscending) {
    Schedule s = threeEvents();
    ScheduleSortDirections directions;
    s.sortBy(ScheduleColumn::Home, directions.takeFlag(ScheduleColumn::Home));
    EXPECT_EQ(homes(s), (std::vector<std::string>{"Ravens", "Hawks", "Hawks"}));
    s.sortBy(ScheduleColumn::Home, directions.takeFlag(ScheduleColumn::Home));
    EXPECT_EQ(homes(s), (std::vector<std::string>{"Hawks", "Hawks", "Ravens"}));
}

TEST(ScheduleSorting, FirstDateSortPutsTheOldestFirstAndTheSecondTheNewest) {
    Schedule s = threeEvents();
    ScheduleSortDirections directions;
    s.sortBy(ScheduleColumn::Date, directions.takeFlag(ScheduleColumn::Date));
    EXPECT_EQ(s.entries[0].date.year, 2023);
    EXPECT_EQ(s.entries[1].date.month, 1);
    EXPECT_EQ(s.entries[2].date.month, 3);
    s.sortBy(ScheduleColumn::Date, directions.takeFlag(ScheduleColumn::Date));
    EXPECT_EQ(s.entries[0].date.month, 3);
    EXPECT_EQ(s.entries[2].date.year, 2023);
}

TEST(ScheduleSorting, EqualHoursAreOrderedByMinute) {
    Schedule s;
    s.addEntry(scheduled(GameEvent, 1, 1, 2024, 18, 45, "A"));
    s.addEntry(scheduled(GameEvent, 1, 1, 2024, 9, 0, "B"));
    s.addEntry(scheduled(GameEvent, 1, 1, 2024, 18, 5, "C"));
    s.sortBy(ScheduleColumn::Time, false);  // ascending
    EXPECT_EQ(homes(s), (std::vector<std::string>{"B", "C", "A"}));
    s.sortBy(ScheduleColumn::Time, true);
    EXPECT_EQ(homes(s), (std::vector<std::string>{"A", "C", "B"}));
}

TEST(ScheduleSorting, TextsCompareByteByByteAndTiesKeepTheFirstFound) {
    Schedule s;
    s.addEntry(scheduled(GameEvent, 1, 1, 2024, 12, 0, "x1", "", "gym"));
    s.addEntry(scheduled(GameEvent, 1, 1, 2024, 12, 0, "x2", "", "Gym"));
    s.addEntry(scheduled(GameEvent, 1, 1, 2024, 12, 0, "x3", "", "\xE9" "cole"));  // é: above every ASCII letter
    s.addEntry(scheduled(GameEvent, 1, 1, 2024, 12, 0, "x4", "", "gym"));
    s.sortBy(ScheduleColumn::Court, false);
    EXPECT_EQ(homes(s), (std::vector<std::string>{"x2", "x1", "x4", "x3"}));
}

}  // namespace
}  // namespace courtlog
