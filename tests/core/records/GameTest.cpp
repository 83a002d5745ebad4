#include <gtest/gtest.h>

#include <array>

#include <ctime>

#include "RecordBuilders.h"
#include "core/records/ByteIo.h"
#include "core/records/Codes.h"
#include "core/records/Game.h"

namespace courtlog {
namespace {

using testing::play;
using testing::player;
using testing::readBytes;
using testing::recordData;
using testing::ScratchFolder;

PlayEvent eventOfKind(int kind, int tag) {
    PlayEvent e;
    e.kind = static_cast<std::int16_t>(kind);
    e.shotX = static_cast<std::int16_t>(tag);
    return e;
}

// The team blocks start with 80 bytes copied from the team's file name that
// no reader looks at; blank them before comparing two game files.
std::vector<std::uint8_t> maskTeamFileNames(std::vector<std::uint8_t> bytes) {
    if (bytes.size() < 197 + 266) return bytes;
    std::fill(bytes.begin() + 197, bytes.begin() + 197 + 80, 0);
    const std::size_t homePlayers = static_cast<std::uint16_t>(bytes[197 + 264] | (bytes[197 + 265] << 8));
    const std::size_t visitorAt = 197 + 266 + 47 * homePlayers;
    if (bytes.size() >= visitorAt + 80)
        std::fill(bytes.begin() + visitorAt, bytes.begin() + visitorAt + 80, 0);
    return bytes;
}

TEST(GameTest, NewGameDefaults) {
    Game g;
    EXPECT_EQ(g.court, " ");
    EXPECT_EQ(g.attendance, " ");
    EXPECT_EQ(g.referee1, " ");
    EXPECT_EQ(g.referee2, " ");
    EXPECT_EQ(g.referee3, " ");
    EXPECT_EQ(g.homeName, "");
    EXPECT_EQ(g.visitorName, "");
    EXPECT_EQ(g.hour, 12);
    EXPECT_EQ(g.minute, 0);
    EXPECT_EQ(g.isNew, 1);
    EXPECT_EQ(g.halves, 0);
    EXPECT_EQ(g.currentPeriod, 0);
    EXPECT_EQ(g.fileName, "");
    EXPECT_EQ(g.reserved1 | g.reserved2 | g.reserved3 | g.reserved4, 0);
    EXPECT_TRUE(g.home.noPersonalInfo);
    EXPECT_TRUE(g.visitor.noPersonalInfo);
    EXPECT_EQ(g.home.logoFile, "default.bmp");
    EXPECT_EQ(g.visitor.logoFile, "default.bmp");
    EXPECT_EQ(g.homeEventCount() + g.visitorEventCount(), 0);

    // The clock is read around the game's own reading, so a test that runs
    // across midnight still compares with the day the game saw.
    auto today = [] {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return std::array<int, 3>{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    };
    const auto before = today();
    const Game dated;
    const auto after = today();
    const std::array<int, 3> seen{dated.year, dated.month, dated.day};
    EXPECT_TRUE(seen == before || seen == after);
    EXPECT_EQ(dated.season, dated.year);

    EXPECT_EQ(Game(true).halves, 1);
}

TEST(GameTest, FileSizesAndOrder) {
    Game g;
    EXPECT_EQ(g.toBytes().size(), 733u);

    g.home.addPlayer(player("H1", 1, 0), PersonalInfo::blank());
    g.home.addPlayer(player("H2", 2, 0), PersonalInfo::blank());
    g.visitor.addPlayer(player("V1", 3, 0), PersonalInfo::blank());
    ASSERT_TRUE(g.addHomeEvent(play("H1", Shot, TwoPointMade, 0)));
    ASSERT_TRUE(g.addHomeEvent(play("H2", Shot, FreeThrowMade, 1)));
    ASSERT_TRUE(g.addVisitorEvent(play("V1", Shot, ThreePointMade, 2)));
    const auto b = g.toBytes();
    ASSERT_EQ(b.size(), 733u + 47u * 3 + 71u * 3);

    // Teams home first, counts and events visitor first.
    const std::size_t visitorTeamAt = 197 + 266 + 47 * 2;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[197 + 266])), "H1");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[visitorTeamAt + 266])), "V1");
    const std::size_t countsAt = visitorTeamAt + 266 + 47;
    EXPECT_EQ(b[countsAt], 1);      // visitor events
    EXPECT_EQ(b[countsAt + 2], 2);  // home events
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[countsAt + 4])), "V1");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[countsAt + 4 + 71])), "H1");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[countsAt + 4 + 142])), "H2");
}

TEST(GameTest, StandAloneTeamCopiedIntoAGameIsStoredWithoutPersonalInformation) {
    Game g;
    Team standAlone;
    standAlone.addPlayer(player("Ann", 1, 0), PersonalInfo::blank());
    g.home = standAlone;  // carries noPersonalInfo = false
    EXPECT_EQ(g.toBytes().size(), 733u + 47u);
}

TEST(GameTest, ReferenceGameLoads) {
    Game g;
    std::string error;
    ASSERT_TRUE(g.load(recordData("harbour_game.gam"), &error)) << error;
    EXPECT_EQ(g.isNew, 0);
    EXPECT_EQ(g.fileName, recordData("harbour_game.gam"));
    EXPECT_EQ(g.court, "Harbour Hall");
    EXPECT_EQ(g.attendance, "312");
    EXPECT_EQ(g.referee3, " ");
    EXPECT_EQ(g.homeName, "Brenvik Eagles");
    EXPECT_EQ(g.visitorName, "Tindvik Ravens");
    EXPECT_EQ(g.reserved1, 17);
    EXPECT_EQ(g.reserved2, -4);
    EXPECT_EQ(g.year, 2026);
    EXPECT_EQ(g.day, 5);
    EXPECT_EQ(g.month, 11);
    EXPECT_EQ(g.minute, 30);
    EXPECT_EQ(g.hour, 19);
    EXPECT_EQ(g.reserved4, 7);
    EXPECT_EQ(g.season, 2026);
    EXPECT_EQ(g.halves, 0);
    EXPECT_EQ(g.currentPeriod, 5);
    EXPECT_EQ(periodName(g.currentPeriod, g.halves != 0), "OT2");

    EXPECT_EQ(g.home.name, "Brenvik Eagles");
    EXPECT_EQ(g.home.logoLayout, 2);
    EXPECT_EQ(g.home.logoFade, 10);
    ASSERT_EQ(g.home.playerCount(), 2);
    EXPECT_EQ(g.home.players[1].name, "Bo Holm");
    EXPECT_EQ(g.home.fileName, "");  // the stored copy is not taken
    ASSERT_EQ(g.visitor.playerCount(), 1);
    EXPECT_EQ(g.visitor.players[0].number, 30);

    ASSERT_EQ(g.visitorEventCount(), 2);
    ASSERT_EQ(g.homeEventCount(), 3);
    EXPECT_EQ(g.visitorEvents()[0].shotResult, ThreePointMade);
    EXPECT_EQ(g.visitorEvents()[1].reserved1, 9);
    EXPECT_EQ(g.homeEvents()[1].reserved2, 3);
    EXPECT_EQ(g.homeEvents()[1].reboundKind, DefensiveRebound);
    EXPECT_EQ(g.homeEvents()[2].turnoverKind, LostBall);
    EXPECT_EQ(g.homeEvents()[0].shotX, 100);
    EXPECT_EQ(g.homeEvents()[0].shotY, 200);

    // Set as the plays are read.
    EXPECT_EQ(g.homeScore(), 2);
    EXPECT_EQ(g.visitorScore(), 3);

    // Every stored field comes back, reserved ones included.
    EXPECT_EQ(maskTeamFileNames(g.toBytes()), maskTeamFileNames(readBytes(recordData("harbour_game.gam"))));
}

TEST(GameTest, SaveLoadSaveReproducesTheFile) {
    ScratchFolder dir;
    Game g;
    ASSERT_TRUE(g.load(recordData("harbour_game.gam")));
    std::string error;
    ASSERT_TRUE(g.save(dir.file("a.gam"), &error)) << error;
    EXPECT_EQ(g.fileName, dir.file("a.gam"));

    Game back;
    ASSERT_TRUE(back.load(dir.file("a.gam")));
    ASSERT_TRUE(back.save(dir.file("b.gam")));
    EXPECT_EQ(readBytes(dir.file("a.gam")), readBytes(dir.file("b.gam")));
    EXPECT_EQ(back.homeEvents(), g.homeEvents());
    EXPECT_EQ(back.visitorEvents(), g.visitorEvents());
}

TEST(GameTest, NewEmptyGameSavesAs733Bytes) {
    ScratchFolder dir;
    Game g;
    ASSERT_TRUE(g.save(dir.file("new.gam")));
    EXPECT_EQ(readBytes(dir.file("new.gam")).size(), 733u);
    Game back;
    ASSERT_TRUE(back.load(dir.file("new.gam")));
    EXPECT_EQ(back.court, " ");
    EXPECT_EQ(back.hour, 12);
    EXPECT_EQ(back.home.logoFile, "default.bmp");
}

TEST(GameTest, AFailedSaveOrLoadKeepsTheFileNameTheGameHad) {
    ScratchFolder dir;
    Game g;
    ASSERT_TRUE(g.save(dir.file("own.gam")));
    // Later saves go to the game's own file, whatever was tried in between.
    std::string error;
    EXPECT_FALSE(g.save(dir.file("gone/other.gam"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(g.fileName, dir.file("own.gam"));
    EXPECT_FALSE(g.load(dir.file("gone/third.gam")));
    EXPECT_EQ(g.fileName, dir.file("own.gam"));
}

TEST(GameTest, MissingFileIsRefused) {
    Game g;
    std::string error;
    EXPECT_FALSE(g.load("/nonexistent/game.gam", &error));
    EXPECT_FALSE(error.empty());
}

TEST(GameTest, DamagedFilesAreRefused) {
    for (const char* name : {"game_lying_counts.gam", "game_negative_count.gam", "game_truncated_team.gam"}) {
        Game g;
        std::string error;
        EXPECT_FALSE(g.load(recordData(name), &error)) << name;
        EXPECT_FALSE(error.empty()) << name;
        EXPECT_EQ(g.homeEventCount(), 0) << name;
    }
    // Twelve bytes claiming 65535 of everything.
    Game tiny;
    EXPECT_FALSE(tiny.load(recordData("roster_65535.bin")));
}

TEST(GameTest, EveryTruncationIsRefusedWithoutReadingPastTheData) {
    const auto full = readBytes(recordData("harbour_game.gam"));
    for (std::size_t size = 0; size < full.size(); ++size) {
        std::vector<std::uint8_t> part(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
        ByteReader in(part);
        Game g;
        EXPECT_FALSE(g.readFrom(in)) << size;
        EXPECT_LE(in.position(), part.size());
    }
    ByteReader whole(full);
    Game g;
    EXPECT_TRUE(g.readFrom(whole));
}

TEST(GameTest, TeamCountClaimingMoreThanTheFileHoldsIsRefused) {
    auto bytes = readBytes(recordData("harbour_game.gam"));
    bytes[197 + 264] = 0xFF;  // home team claims 65535 players
    bytes[197 + 265] = 0xFF;
    ByteReader in(bytes);
    Game g;
    EXPECT_FALSE(g.readFrom(in));
    EXPECT_LE(g.home.players.capacity(), bytes.size() / Player::kRecordSize);
}

TEST(GameTest, ScoresSumShotPointsOnly) {
    Game g;
    g.addHomeEvent(play("Ann", Shot, TwoPointMade));
    g.addHomeEvent(play("Ann", Shot, ThreePointMade, 1));
    g.addHomeEvent(play("Ann", Shot, FreeThrowMade, 1));
    g.addHomeEvent(play("Ann", Shot, FreeThrowMade, 3));
    g.addHomeEvent(play("Ann", Shot, TwoPointMissed));
    EXPECT_EQ(g.homeScore(), 7);
    EXPECT_EQ(g.visitorScore(), 0);
    EXPECT_EQ(g.homePointsInPeriod(0), 2);
    EXPECT_EQ(g.homePointsInPeriod(1), 4);
    EXPECT_EQ(g.homePointsInPeriod(2), 0);
    EXPECT_EQ(g.homePointsInPeriod(3), 1);

    // The event kind is not consulted; a deleted event still counts until purged.
    PlayEvent odd = play("Ann", Shot, ThreePointMade, 4);
    odd.kind = Rebound;
    g.addVisitorEvent(odd);
    PlayEvent deleted = play("Ann", Shot, TwoPointMade, 4);
    deleted.kind = NoEvent;
    g.addVisitorEvent(deleted);
    g.addVisitorEvent(play("Ann", Shot, 99, 4));  // outside the table: 0 points
    EXPECT_EQ(g.visitorScore(), 5);
    EXPECT_EQ(g.visitorPointsInPeriod(4), 5);
    EXPECT_EQ(g.visitorPointsInPeriod(0), 0);
}

TEST(GameTest, ScoresHoldAtTheStoredRangeInsteadOfWrapping) {
    Game g;
    // 11 000 threes make 33 000 points, beyond the 16 bits a score is kept in.
    g.setEvents(true, std::vector<PlayEvent>(11000, play("Ann", Shot, ThreePointMade)));
    EXPECT_EQ(g.homeScore(), 32767);
    // A period's points are held the same way, so no period shows more than
    // the game.
    EXPECT_EQ(g.homePointsInPeriod(0), 32767);
    // Taking plays away counts down from the true total, not from the held one.
    for (int i = 0; i < 1000; ++i) ASSERT_TRUE(g.removeLastEvent(true));
    EXPECT_EQ(g.homeScore(), 30000);
}

TEST(GameTest, EveryChangeOfThePlaysKeepsTheScores) {
    Game g;
    g.addHomeEvent(play("Ann", Shot, ThreePointMade));
    g.addHomeEvent(play("Ann", Shot, TwoPointMade));
    ASSERT_EQ(g.homeScore(), 5);
    ASSERT_TRUE(g.removeLastEvent(true));
    EXPECT_EQ(g.homeScore(), 3);
    EXPECT_FALSE(g.removeLastEvent(false));  // no plays: nothing changes
    EXPECT_EQ(g.visitorScore(), 0);

    std::vector<PlayEvent> edited{play("Bo", Shot, FreeThrowMade), play("Bo", Shot, TwoPointMade)};
    g.swapEvents(false, edited);
    EXPECT_EQ(g.visitorScore(), 3);
    EXPECT_TRUE(edited.empty());  // the old list, handed back
    std::vector<PlayEvent> marked = g.visitorEvents();
    marked[1].kind = NoEvent;  // deleted, as the event editor marks it
    g.setEvents(false, marked);
    EXPECT_EQ(g.visitorScore(), 3);  // counted until purged
    ASSERT_TRUE(g.purgeVisitorEvents());
    EXPECT_EQ(g.visitorScore(), 1);

    // A game read without decoding its plays has its scores all the same.
    ScratchFolder dir;
    const std::string path = dir.file("g.gam");
    ASSERT_TRUE(g.save(path));
    Game loaded;
    PlayRecords plays;
    ASSERT_TRUE(loaded.loadLeavingPlays(path, plays));
    EXPECT_EQ(loaded.homeScore(), 3);
    EXPECT_EQ(loaded.visitorScore(), 1);
}

TEST(GameTest, PurgeRemovesDeletedEventsKeepingOrder) {
    Game g;
    EXPECT_FALSE(g.purgeHomeEvents());  // empty list

    for (int i = 0; i < 3; ++i) g.addVisitorEvent(eventOfKind(NoEvent, i));
    EXPECT_TRUE(g.purgeVisitorEvents());
    EXPECT_EQ(g.visitorEventCount(), 0);

    g.addHomeEvent(eventOfKind(Steal, 1));
    g.addHomeEvent(eventOfKind(Assist, 2));
    const auto before = g.homeEvents();
    EXPECT_FALSE(g.purgeHomeEvents());  // nothing deleted
    EXPECT_EQ(g.homeEvents(), before);

    std::vector<PlayEvent> marked = g.homeEvents();
    marked[0].kind = NoEvent;
    marked.push_back(eventOfKind(NoEvent, 3));
    marked.push_back(eventOfKind(Turnover, 4));
    g.setEvents(true, marked);
    EXPECT_TRUE(g.purgeHomeEvents());
    ASSERT_EQ(g.homeEventCount(), 2);
    EXPECT_EQ(g.homeEvents()[0].shotX, 2);
    EXPECT_EQ(g.homeEvents()[1].shotX, 4);
}

TEST(GameTest, AddEventStopsAtTheStoredCountLimit) {
    Game g;
    g.setEvents(true, std::vector<PlayEvent>(32767));
    EXPECT_FALSE(g.addHomeEvent(play("Ann", Shot, TwoPointMade)));
    EXPECT_EQ(g.homeEventCount(), 32767);
    EXPECT_TRUE(g.addVisitorEvent(play("Ann", Shot, TwoPointMade)));
    EXPECT_EQ(g.visitorEvents().back(), play("Ann", Shot, TwoPointMade));
}

TEST(GameTest, RenamePlayerOnlyInTheChosenTeam) {
    Game g;
    Player ann = player("Ann", 4, 0);
    ann.position = 1;
    ann.courtSlot = 2;
    g.home.addPlayer(ann, {});
    g.home.addPlayer(player("ann", 4, 0), {});  // differs in case: not the same name
    g.visitor.addPlayer(player("Ann", 4, 0), {});
    g.addHomeEvent(play("Ann", Shot, TwoPointMade, 0));
    g.addHomeEvent(play("ann", Shot, TwoPointMade, 0));
    g.addVisitorEvent(play("Ann", Shot, TwoPointMade, 0));

    Player renamed = player("Anna", 14, 0);
    renamed.position = 3;  // only name and number are taken
    g.renamePlayer(g.home.players[0], renamed, true);

    EXPECT_EQ(g.home.players[0].name, "Anna");
    EXPECT_EQ(g.home.players[0].number, 14);
    EXPECT_EQ(g.home.players[0].position, 1);
    EXPECT_EQ(g.home.players[0].courtSlot, 2);
    EXPECT_EQ(g.home.players[1].name, "ann");
    EXPECT_EQ(g.homeEvents()[0].player.name, "Anna");
    EXPECT_EQ(g.homeEvents()[0].player.number, 14);
    EXPECT_EQ(g.homeEvents()[0].shotResult, TwoPointMade);
    EXPECT_EQ(g.homeEvents()[1].player.name, "ann");
    EXPECT_EQ(g.visitor.players[0].name, "Ann");
    EXPECT_EQ(g.visitorEvents()[0].player.name, "Ann");
    EXPECT_EQ(g.visitorEvents()[0].player.number, 4);

    g.renamePlayer(player("Ann", 0, 0), player("Annie", 8, 0), false);
    EXPECT_EQ(g.visitor.players[0].name, "Annie");
    EXPECT_EQ(g.visitorEvents()[0].player.number, 8);
    EXPECT_EQ(g.home.players[0].name, "Anna");
}

}  // namespace
}  // namespace courtlog

namespace courtlog {

TEST(GameTest, PlaysLeftAsRecordsReadAsLoadReadsThemAndFailWhereLoadFails) {
    Game loaded;
    ASSERT_TRUE(loaded.load(testing::recordData("harbour_game.gam")));
    ASSERT_FALSE(loaded.homeEvents().empty());
    ASSERT_FALSE(loaded.visitorEvents().empty());
    Game head;
    PlayRecords plays;
    ASSERT_TRUE(head.loadLeavingPlays(testing::recordData("harbour_game.gam"), plays));
    EXPECT_EQ(head.homeName, loaded.homeName);
    EXPECT_EQ(head.visitor.players.size(), loaded.visitor.players.size());
    EXPECT_TRUE(head.homeEvents().empty());
    for (const bool home : {true, false}) {
        const std::vector<PlayEvent>& events = loaded.events(home);
        ASSERT_EQ(plays.count(home), events.size());
        const std::uint8_t* record = plays.first(home);
        for (const PlayEvent& event : events) {
            PlayEvent fields = playFieldsOf(record);
            EXPECT_EQ(playerNameOf(record), event.player.name);
            // Everything but what a record reader leaves out.
            fields.player = event.player;
            EXPECT_EQ(fields, event);
            EXPECT_EQ(playFieldsOf(record).player.number, event.player.number);
            record += PlayEvent::kRecordSize;
        }
    }

    // One byte short of the last play, damaged heads, no file: both refuse
    // each with the same reason.
    testing::ScratchFolder folder;
    std::vector<std::uint8_t> bytes = testing::readBytes(testing::recordData("harbour_game.gam"));
    bytes.pop_back();
    const std::string cut = folder.file("cut.gam");
    testing::writeFile(cut, std::string(bytes.begin(), bytes.end()));
    for (const std::string& path : {cut, testing::recordData("game_lying_counts.gam"),
                                    testing::recordData("game_negative_count.gam"),
                                    testing::recordData("game_truncated_team.gam"), folder.file("missing.gam")}) {
        std::string loadReason, recordsReason;
        EXPECT_FALSE(Game().load(path, &loadReason)) << path;
        EXPECT_FALSE(Game().loadLeavingPlays(path, plays, &recordsReason)) << path;
        EXPECT_EQ(recordsReason, loadReason);
    }
}

}  // namespace courtlog
