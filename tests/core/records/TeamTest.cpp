#include <gtest/gtest.h>

#include <cstring>

#include "RecordBuilders.h"
#include "core/records/ByteIo.h"
#include "core/records/Team.h"

namespace courtlog {
namespace {

using testing::player;
using testing::readBytes;
using testing::recordData;
using testing::ScratchFolder;

PersonalInfo makeInfo(const std::string& phone) {
    PersonalInfo info;
    info.phone = phone;
    info.city = "Brenvik";
    info.birthday = {2008, 14, 3};
    return info;
}

Team teamOf(int players) {
    Team t;
    t.name = "Eagles";
    for (int i = 0; i < players; ++i)
        t.addPlayer(player("P" + std::to_string(i), i, 0), makeInfo("555-" + std::to_string(i)));
    return t;
}

std::int16_t i16At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int16_t>(b[at] | (b[at + 1] << 8));
}

std::string textAt(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t width) {
    const char* p = reinterpret_cast<const char*>(b.data() + at);
    return std::string(p, strnlen(p, width));
}

std::vector<std::uint8_t> withoutLeading80(std::vector<std::uint8_t> bytes) {
    bytes.erase(bytes.begin(), bytes.begin() + 80);
    return bytes;
}

TEST(TeamTest, NewTeamDefaults) {
    Team t;
    EXPECT_EQ(t.fileName, "");
    EXPECT_EQ(t.name, "");
    EXPECT_EQ(t.spareText, "");
    EXPECT_EQ(t.logoFile, "default.bmp");
    EXPECT_EQ(t.logoLayout, 0);
    EXPECT_EQ(t.logoFade, 0);
    EXPECT_EQ(t.fileSize, 0);
    EXPECT_EQ(t.playerCount(), 0);
    EXPECT_FALSE(t.noPersonalInfo);

    Player p;
    EXPECT_EQ(p.number, -1);
    EXPECT_EQ(p.name, "");
    EXPECT_EQ(PersonalInfo::blank().birthday, BirthDate::today());
}

TEST(TeamTest, FileSizesFollowThePlayerCount) {
    EXPECT_EQ(teamOf(0).toBytes().size(), 266u);
    for (int n : {1, 2, 15}) {
        Team standAlone = teamOf(n);
        EXPECT_EQ(standAlone.toBytes().size(), 266u + 378u * n) << n;
        Team inGame = teamOf(n);
        inGame.noPersonalInfo = true;
        EXPECT_EQ(inGame.toBytes().size(), 266u + 47u * n) << n;
    }
}

TEST(TeamTest, EmptyTeamReadsBackEmpty) {
    ScratchFolder dir;
    Team empty;
    empty.name = "Nobody";
    ASSERT_TRUE(empty.saveTo(dir.file("empty.tem")));
    EXPECT_EQ(readBytes(dir.file("empty.tem")).size(), 266u);

    Team back;
    back.addPlayer(player("Stale", 1, 0), makeInfo("x"));  // replaced by the load
    back.fileName = dir.file("empty.tem");
    ASSERT_TRUE(back.load());
    EXPECT_EQ(back.name, "Nobody");
    EXPECT_EQ(back.playerCount(), 0);
    EXPECT_EQ(back.personalInfo.size(), 0u);
    EXPECT_EQ(back.fileSize, 266);
}

TEST(TeamTest, WritesTheFieldsAtTheirOffsets) {
    Team t;
    t.fileName = "C:\\TEAMS\\EAGLES.TEM";
    t.name = "Eagles";
    t.coach = "Hanna";
    t.assistant = "Per";
    t.spareText = "sp";
    t.logoFile = "eagles.bmp";
    t.logoLayout = 2;
    t.logoFade = 45;
    Player p = player("Ann", -1, 3, 4);
    p.playedInPeriod = {1, 0, 0, 0, 0, 0, 0, 9};
    PersonalInfo info = makeInfo("555");
    info.birthday = {2008, 14, 3};
    info.note = "note";
    t.addPlayer(p, info);
    const auto b = t.toBytes();
    ASSERT_EQ(b.size(), 266u + 378u);

    EXPECT_EQ(textAt(b, 0, 80), "C:\\TEAMS\\EAGLES.TEM");
    EXPECT_EQ(textAt(b, 80, 25), "Eagles");
    EXPECT_EQ(textAt(b, 105, 25), "Hanna");
    EXPECT_EQ(textAt(b, 130, 25), "Per");
    EXPECT_EQ(textAt(b, 155, 25), "sp");
    EXPECT_EQ(textAt(b, 180, 80), "eagles.bmp");
    EXPECT_EQ(i16At(b, 260), 2);
    EXPECT_EQ(i16At(b, 262), 45);
    EXPECT_EQ(i16At(b, 264), 1);
    EXPECT_EQ(textAt(b, 266, 25), "Ann");
    EXPECT_EQ(i16At(b, 266 + 25), -1);
    EXPECT_EQ(i16At(b, 266 + 27), 1);
    EXPECT_EQ(i16At(b, 266 + 27 + 14), 9);
    EXPECT_EQ(i16At(b, 266 + 43), 3);
    EXPECT_EQ(i16At(b, 266 + 45), 4);
    const std::size_t pi = 266 + 47;
    EXPECT_EQ(textAt(b, pi, 25), "555");
    EXPECT_EQ(textAt(b, pi + 125, 40), "Brenvik");
    EXPECT_EQ(b[pi + 225] | (b[pi + 226] << 8), 2008);  // int32 year
    EXPECT_EQ(b[pi + 227], 0);
    EXPECT_EQ(b[pi + 229], 14);  // day
    EXPECT_EQ(b[pi + 230], 3);   // month
    EXPECT_EQ(textAt(b, pi + 281, 50), "note");
}

TEST(TeamTest, ReferenceFileLoadsAndIsWrittenBackByteForByte) {
    Team t;
    t.fileName = recordData("eagles.tem");
    ASSERT_TRUE(t.load());
    EXPECT_EQ(t.name, "Brenvik Eagles");
    EXPECT_EQ(t.coach, "Hanna Lund");
    EXPECT_EQ(t.assistant, "Per Moe");
    EXPECT_EQ(t.spareText, "spare");
    EXPECT_EQ(t.logoFile, "eagles.bmp");
    EXPECT_EQ(t.logoLayout, 1);
    EXPECT_EQ(t.logoFade, 35);
    ASSERT_EQ(t.playerCount(), 3);
    EXPECT_EQ(t.players[1].name, "Cora Dahl");
    EXPECT_EQ(t.players[1].number, -1);
    EXPECT_EQ(t.players[1].playedInPeriod[7], 1);
    EXPECT_EQ(t.players[1].courtSlot, 4);
    // A name filling its whole field has no terminator and ends at the width.
    EXPECT_EQ(t.players[2].name, "Evelyn Fjordheim-Grunwald");
    ASSERT_EQ(t.personalInfo.size(), 3u);
    EXPECT_EQ(t.personalInfo[0].email, "ann@example.org");
    EXPECT_EQ(t.personalInfo[1].birthday, (BirthDate{2009, 1, 12}));
    EXPECT_EQ(t.personalInfo[1].note, "caf\xE9 \x80");  // raw Windows-1252 bytes
    EXPECT_EQ(t.personalInfo[2].birthday, (BirthDate{2007, 29, 2}));

    EXPECT_EQ(withoutLeading80(t.toBytes()), withoutLeading80(readBytes(recordData("eagles.tem"))));
}

TEST(TeamTest, SaveLoadSaveIsStable) {
    ScratchFolder dir;
    Team t = teamOf(4);
    t.coach = "Coach";
    t.logoFade = 55;
    t.players[2].playedInPeriod = {0, 1, 0, 1, 0, 1, 0, 1};
    ASSERT_TRUE(t.saveTo(dir.file("a.tem")));
    EXPECT_EQ(t.fileName, dir.file("a.tem"));

    Team back;
    back.fileName = dir.file("a.tem");
    ASSERT_TRUE(back.load());
    EXPECT_EQ(back.players, t.players);
    EXPECT_EQ(back.personalInfo, t.personalInfo);
    ASSERT_TRUE(back.saveTo(dir.file("b.tem")));
    EXPECT_EQ(withoutLeading80(readBytes(dir.file("a.tem"))), withoutLeading80(readBytes(dir.file("b.tem"))));
}

// A team written under another name carries that name in its leading bytes;
// a name that could not be written never becomes the team's file, so the
// next plain save still updates the file the team had.
TEST(TeamTest, AFailedSaveKeepsTheFileTheTeamHad) {
    ScratchFolder dir;
    Team t = teamOf(2);
    ASSERT_TRUE(t.saveTo(dir.file("own.tem")));
    EXPECT_EQ(textAt(readBytes(dir.file("own.tem")), 0, 80), dir.file("own.tem"));
    std::string error;
    EXPECT_FALSE(t.saveTo(dir.file("gone/other.tem"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(t.fileName, dir.file("own.tem"));
}

TEST(TeamTest, PersonalInformationOnlyWhenTheSizeMatchesExactly) {
    Team full;
    full.fileName = recordData("eagles.tem");
    ASSERT_TRUE(full.load());

    for (const char* name : {"eagles_info_short.tem", "eagles_no_info.tem"}) {
        Team t;
        t.fileName = recordData(name);
        ASSERT_TRUE(t.load()) << name;
        EXPECT_EQ(t.players, full.players) << name;
        ASSERT_EQ(t.personalInfo.size(), 3u) << name;
        for (const PersonalInfo& info : t.personalInfo) EXPECT_EQ(info, PersonalInfo{}) << name;
    }
    Team shortFile;
    shortFile.fileName = recordData("eagles_info_short.tem");
    ASSERT_TRUE(shortFile.load());
    EXPECT_EQ(shortFile.fileSize, 266 + 47 * 3 + 331 * 3 - 1);
}

TEST(TeamTest, TeamsInsideAGameNeitherWriteNorReadPersonalInformation) {
    Team t;
    t.noPersonalInfo = true;
    t.fileName = recordData("eagles.tem");
    ASSERT_TRUE(t.load());
    EXPECT_EQ(t.playerCount(), 3);
    for (const PersonalInfo& info : t.personalInfo) EXPECT_EQ(info, PersonalInfo{});
    EXPECT_EQ(t.toBytes().size(), 266u + 47u * 3);
}

TEST(TeamTest, ShortFileKeepsWhatWasRead) {
    Team t;
    t.fileName = recordData("eagles_truncated.tem");
    ASSERT_TRUE(t.load());  // the file opened, so the load succeeds
    EXPECT_EQ(t.name, "Brenvik Eagles");
    ASSERT_EQ(t.playerCount(), 1);  // the half record is not taken
    EXPECT_EQ(t.players[0].name, "Ann Berg");
    EXPECT_EQ(t.personalInfo.size(), 1u);

    // Shorter than the header: the fields it holds are read, the rest keep
    // the values the team had.
    const auto bytes = readBytes(recordData("eagles.tem"));
    ScratchFolder dir;
    testing::writeBytes(dir.file("header.tem"),
                        std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 140));
    // Shorter than the header: no team at all. The load fails and the team
    // keeps what it had.
    Team partial;
    partial.name = "Before";
    partial.fileName = dir.file("header.tem");
    std::string error;
    EXPECT_FALSE(partial.load(&error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(partial.name, "Before");
    EXPECT_TRUE(t.damaged);
}

// Damaged files are marked and their values brought into range; whole files
// are not marked.
TEST(TeamTest, DamagedFilesAreMarkedAndValuesBroughtIntoRange) {
    ScratchFolder dir;
    Team written;
    written.name = "Odd";
    for (int i = 0; i < 3; ++i) {
        Player p;
        p.name = "P" + std::to_string(i);
        p.position = static_cast<std::int16_t>(i == 0 ? 9 : 1);
        p.courtSlot = static_cast<std::int16_t>(i == 1 ? -2 : 0);
        written.addPlayer(p, PersonalInfo{});
    }
    written.logoFade = 1225;
    written.logoLayout = 7;
    ASSERT_TRUE(written.saveTo(dir.file("odd.tem")));
    Team odd;
    odd.fileName = dir.file("odd.tem");
    ASSERT_TRUE(odd.load());
    EXPECT_TRUE(odd.damaged);
    EXPECT_EQ(odd.logoFade, 100);
    EXPECT_EQ(odd.logoLayout, 2);
    EXPECT_EQ(odd.players[0].position, 3);
    EXPECT_EQ(odd.players[1].courtSlot, 0);

    // Cut short inside the header after the layout: the fields read are held
    // in range too, so the team's other forms read it back.
    const std::vector<std::uint8_t> oddBytes = written.toBytes();
    Team cut;
    ByteReader header(std::span<const std::uint8_t>(oddBytes).first(Team::kHeaderSize - 3));
    EXPECT_FALSE(cut.readFrom(header));
    EXPECT_TRUE(cut.damaged);
    EXPECT_EQ(cut.logoLayout, 2);

    // A count that claims more players than were written: the personal
    // information would be read as players.
    written.logoFade = 10;
    written.logoLayout = 1;
    written.players[0].position = 1;
    written.players[1].courtSlot = 1;
    std::vector<std::uint8_t> bytes = written.toBytes();
    bytes[264] = 5;
    testing::writeBytes(dir.file("count.tem"), bytes);
    Team count;
    count.fileName = dir.file("count.tem");
    ASSERT_TRUE(count.load());
    EXPECT_TRUE(count.damaged);

    ASSERT_TRUE(written.saveTo(dir.file("whole.tem")));
    Team whole;
    whole.fileName = dir.file("whole.tem");
    ASSERT_TRUE(whole.load());
    EXPECT_FALSE(whole.damaged);
    EXPECT_EQ(whole.logoFade, 10);
    Team old;  // written before personal information existed
    old.fileName = recordData("eagles_no_info.tem");
    ASSERT_TRUE(old.load());
    EXPECT_FALSE(old.damaged);
}

TEST(TeamTest, CountBeyondTheDataIsNotTrusted) {
    // Twelve bytes claiming 65535 players: nothing is allocated for them.
    const auto bytes = readBytes(recordData("roster_65535.bin"));
    ASSERT_EQ(bytes.size(), 12u);
    Roster r;
    ByteReader in(bytes);
    EXPECT_FALSE(r.readRoster(in));
    EXPECT_EQ(r.playerCount(), 0);
    EXPECT_EQ(r.personalInfo.size(), 0u);
    EXPECT_EQ(r.players.capacity(), 0u);
    EXPECT_TRUE(in.failed());

    // A team header claiming 65535 players and holding one.
    auto team = readBytes(recordData("eagles_no_info.tem"));
    team.resize(266 + 47);
    team[264] = 0xFF;
    team[265] = 0xFF;
    ScratchFolder dir;
    testing::writeBytes(dir.file("lying.tem"), team);
    Team t;
    t.fileName = dir.file("lying.tem");
    ASSERT_TRUE(t.load());
    EXPECT_EQ(t.playerCount(), 1);
    EXPECT_EQ(t.players[0].name, "Ann Berg");
}

TEST(TeamTest, LeadingFileNameIsNeverInterpreted) {
    ScratchFolder dir;
    auto bytes = readBytes(recordData("eagles.tem"));
    for (std::size_t i = 0; i < 80; ++i) bytes[i] = static_cast<std::uint8_t>(0xA0 + i);  // no terminator
    testing::writeBytes(dir.file("moved.tem"), bytes);
    Team moved, original;
    moved.fileName = dir.file("moved.tem");
    original.fileName = recordData("eagles.tem");
    ASSERT_TRUE(moved.load());
    ASSERT_TRUE(original.load());
    EXPECT_EQ(moved.name, original.name);
    EXPECT_EQ(moved.players, original.players);
    EXPECT_EQ(moved.personalInfo, original.personalInfo);
    EXPECT_EQ(moved.fileName, dir.file("moved.tem"));
}

TEST(TeamTest, LoadOfAMissingFileFailsAndChangesNothing) {
    Team t = teamOf(2);
    t.fileName = "/nonexistent/folder/none.tem";
    const Team before = t;
    std::string error;
    EXPECT_FALSE(t.load(&error));
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
    EXPECT_EQ(t.players, before.players);
    EXPECT_EQ(t.name, before.name);
    EXPECT_EQ(t.fileSize, 0);
}

TEST(TeamTest, MeasureFile) {
    Team t;
    t.fileName = recordData("eagles.tem");
    EXPECT_TRUE(t.measureFile());
    EXPECT_EQ(t.fileSize, 1400);
    t.fileName = "/nonexistent.tem";
    EXPECT_FALSE(t.measureFile());
    EXPECT_EQ(t.fileSize, 1400);
}

TEST(TeamTest, SaveToAnImpossiblePathFails) {
    Team t = teamOf(1);
    std::string error;
    EXPECT_FALSE(t.saveTo("/nonexistent/folder/team.tem", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(t.fileName, "");  // a name that was not written is not the team's
}

TEST(RosterTest, RemovePlayerChecksTheIndex) {
    Team t = teamOf(3);
    const Team before = t;
    EXPECT_FALSE(t.removePlayer(t.playerCount()));
    EXPECT_FALSE(t.removePlayer(-1));
    EXPECT_EQ(t.players, before.players);
    EXPECT_EQ(t.personalInfo, before.personalInfo);

    EXPECT_TRUE(t.removePlayer(1));
    ASSERT_EQ(t.playerCount(), 2);
    EXPECT_EQ(t.players[0].name, "P0");
    EXPECT_EQ(t.players[1].name, "P2");
    EXPECT_EQ(t.personalInfo[1].phone, "555-2");

    EXPECT_TRUE(t.removePlayer(0));
    EXPECT_TRUE(t.removePlayer(0));
    EXPECT_EQ(t.playerCount(), 0);
    EXPECT_TRUE(t.personalInfo.empty());
    EXPECT_FALSE(t.removePlayer(0));
}

TEST(RosterTest, AssignFromShorterLongerAndEqual) {
    Team target = teamOf(5);
    Team shorter;
    shorter.addPlayer(player("X", 1, 0), makeInfo("x"));
    shorter.addPlayer(player("Y", 2, 0), makeInfo("y"));
    target.assignFrom(shorter);
    EXPECT_EQ(target.players, shorter.players);
    EXPECT_EQ(target.personalInfo, shorter.personalInfo);
    EXPECT_EQ(target.name, "Eagles");  // only the roster is copied

    Team longer = teamOf(4);
    target.assignFrom(longer);
    EXPECT_EQ(target.players, longer.players);
    EXPECT_EQ(target.personalInfo, longer.personalInfo);

    target.assignFrom(Roster{});
    EXPECT_EQ(target.playerCount(), 0);
    EXPECT_TRUE(target.personalInfo.empty());
}

TEST(RosterTest, AppendToMakesAWorkingCopyAndClearEmpties) {
    Team team = teamOf(3);
    Roster copy;
    copy.addPlayer(player("First", 9, 0), makeInfo("f"));
    team.appendTo(copy);
    ASSERT_EQ(copy.playerCount(), 4);
    EXPECT_EQ(copy.players[0].name, "First");
    EXPECT_EQ(copy.players[3], team.players[2]);
    EXPECT_EQ(copy.personalInfo[3], team.personalInfo[2]);

    team.clear();
    EXPECT_EQ(team.playerCount(), 0);
    EXPECT_TRUE(team.personalInfo.empty());
}

TEST(RosterTest, SamePlayerNeedsNameAndNumber) {
    EXPECT_TRUE(Roster::samePlayer(player("Ann", 5, 1), player("Ann", 5, 3)));
    EXPECT_FALSE(Roster::samePlayer(player("Ann", 5, 0), player("ann", 5, 0)));
    EXPECT_FALSE(Roster::samePlayer(player("Ann", 5, 0), player("Ann", -1, 0)));
}

}  // namespace
}  // namespace courtlog
