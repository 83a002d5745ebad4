#include "core/handheld/PalmPayload.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "RecordBuilders.h"

using namespace courtlog;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::size_t kTeamPlayersAt = PalmPayload::kTeamHeaderSize;

Team readTeam(const Bytes& payload) {
    Team team;
    const PalmResult r = PalmPayload::readTeam(payload, team);
    EXPECT_TRUE(r) << r.text();
    return team;
}

Game readGame(const Bytes& payload) {
    Game game;
    const PalmResult r = PalmPayload::readGame(payload, game);
    EXPECT_TRUE(r) << r.text();
    return game;
}

}  // namespace

TEST(PalmPayload, TeamRoundTripKeepsTheHandheldFields) {
    Team team = courtlog::testing::variedTeam(3);
    team.name = std::string(25, 'T');  // team texts travel whole
    Player& p = team.players[0];
    p.name = std::string(25, 'x');  // the handheld keeps 24 characters
    p.number = -1;                  // "00"
    p.courtSlot = 5;
    p.position = 3;
    p.playedInPeriod = {0, 2, 0, 0, 0, 0, 0, -3};
    team.spareText = "not carried";
    team.logoFile = "hawks.bmp";
    team.personalInfo[0].phone = "555-0100";

    const Bytes payload = PalmPayload::team(team);
    ASSERT_EQ(payload.size(), 3u + 2 + 75 + 1 + 3 * 36);
    EXPECT_EQ(std::string(payload.begin(), payload.begin() + 3), "tem");
    EXPECT_EQ(payload[3], 1);  // word 256
    EXPECT_EQ(payload[4], 0);
    EXPECT_EQ(payload[kTeamPlayersAt - 1], 3);
    EXPECT_EQ(payload[kTeamPlayersAt + 24], 0);  // the 25th byte of a name is NUL
    EXPECT_EQ(payload[kTeamPlayersAt + 25], 0xFF);

    const Team back = readTeam(payload);
    EXPECT_EQ(back.name, team.name);
    EXPECT_EQ(back.coach, team.coach);
    EXPECT_EQ(back.assistant, team.assistant);
    ASSERT_EQ(back.playerCount(), 3);
    EXPECT_EQ(back.players[0].name, std::string(24, 'x'));
    EXPECT_EQ(back.players[0].number, -1);
    EXPECT_EQ(back.players[0].courtSlot, 5);
    EXPECT_EQ(back.players[0].position, 3);
    EXPECT_EQ(back.players[0].playedInPeriod, (std::array<std::int16_t, 8>{0, 1, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(back.players[1], team.players[1]);
    EXPECT_EQ(back.players[2], team.players[2]);
    // Spare text, logo and personal information stay at a new team's values.
    EXPECT_EQ(back.spareText, "");
    EXPECT_EQ(back.logoFile, "default.bmp");
    ASSERT_EQ(back.personalInfo.size(), 3u);
    EXPECT_EQ(back.personalInfo[0], PersonalInfo{});
}

TEST(PalmPayload, SignedAndUnsignedBytesComeBackAsTheHandheldReadsThem) {
    Game game = courtlog::testing::variedGame(1, 1);
    std::vector<PlayEvent> plays = game.homeEvents();
    PlayEvent& e = plays[0];
    e.shotX = 200;  // above 127: comes back negative
    e.shotY = -5;
    e.player.number = -1;
    e.player.courtSlot = 5;
    e.turnoverKind = 11;
    e.reserved2 = 7;
    game.setEvents(true, plays);
    game.hour = 200;  // hour and minute are unsigned
    game.minute = 59;
    game.currentPeriod = 200;
    game.reserved1 = 250;
    game.halves = 9;  // any nonzero value: played in halves

    const Game back = readGame(PalmPayload::game(game));
    const PlayEvent& b = back.homeEvents().at(0);
    EXPECT_EQ(b.shotX, -56);
    EXPECT_EQ(b.shotY, -5);
    EXPECT_EQ(b.player.number, -1);
    EXPECT_EQ(b.player.courtSlot, 5);
    EXPECT_EQ(b.turnoverKind, 11);
    EXPECT_EQ(b.reserved2, 7);
    EXPECT_EQ(b.period, e.period);
    EXPECT_EQ(back.hour, 200);
    EXPECT_EQ(back.minute, 59);
    EXPECT_EQ(back.currentPeriod, 200);
    EXPECT_EQ(back.reserved1, 250);
    EXPECT_EQ(back.halves, 1);
}

TEST(PalmPayload, SeasonTravelsAsTwoDigits) {
    struct Case {
        int season;
        int stored;
        int readBack;
    };
    // The game's year is 2004: a stored 95 (or a negative byte) reads as the year.
    for (const Case c : {Case{2003, 3, 2003}, Case{1996, 96, 1996}, Case{1995, 95, 2004}, Case{2094, 94, 2094},
                         Case{1999, 99, 1999}, Case{2000, 0, 2000}, Case{150, 150, 2004}, Case{42, 42, 2042}}) {
        Game game = courtlog::testing::variedGame(0, 0);
        game.season = static_cast<std::int16_t>(c.season);
        const Bytes payload = PalmPayload::game(game);
        EXPECT_EQ(payload.at(PalmPayload::kGameSeasonOffset), c.stored & 0xff) << c.season;
        EXPECT_EQ(readGame(payload).season, c.readBack) << c.season;
    }
    // A stored 124 (no season this program writes) reads as 2024.
    Bytes foreign = PalmPayload::game(courtlog::testing::variedGame(0, 0));
    foreign.at(PalmPayload::kGameSeasonOffset) = 124;
    EXPECT_EQ(readGame(foreign).season, 2024);
}

TEST(PalmPayload, GameRoundTripFillsAFreshGame) {
    const Game game = courtlog::testing::variedGame(7, 5);
    const Bytes payload = PalmPayload::game(game);
    ASSERT_EQ(payload.size(), 3u + 2 + 125 + 11 + 2 * 76 + 22 * 36 + 4 + 12 * 48);
    const Game back = readGame(payload);
    EXPECT_EQ(back.isNew, 0);
    EXPECT_EQ(back.court, game.court);
    EXPECT_EQ(back.referee3, game.referee3);
    EXPECT_EQ(back.year, 2004);
    EXPECT_EQ(back.day, 17);
    EXPECT_EQ(back.month, 3);
    EXPECT_EQ(back.homeName, "Harbor Hawks");
    EXPECT_EQ(back.visitorName, "Valley Miners");
    EXPECT_EQ(back.home.players, game.home.players);
    EXPECT_EQ(back.visitor.players, game.visitor.players);
    EXPECT_EQ(back.visitor.coach, game.visitor.coach);
    EXPECT_EQ(back.homeEvents(), game.homeEvents());  // in recording order
    EXPECT_EQ(back.visitorEvents(), game.visitorEvents());
    EXPECT_EQ(PalmPayload::game(back), payload);
}

TEST(PalmPayload, WrongKindAndWrongVersionAreRefusedWithTheirMessages) {
    const Bytes teamPayload = PalmPayload::team(courtlog::testing::variedTeam(2));
    const Bytes gamePayload = PalmPayload::game(courtlog::testing::variedGame(1, 1));
    Team team;
    Game game;

    PalmResult r = PalmPayload::readTeam(gamePayload, team);
    EXPECT_EQ(r.message, "Not a Palm Team");
    EXPECT_EQ(r.caption, "Load Error");
    r = PalmPayload::readGame(teamPayload, game);
    EXPECT_EQ(r.message, "Not a Palm Game");
    EXPECT_EQ(PalmPayload::readTeam({}, team).message, "Not a Palm Team");

    Bytes team257 = teamPayload, game255 = gamePayload;
    team257[4] = 1;  // 257
    game255[3] = 0;
    game255[4] = 255;
    r = PalmPayload::readTeam(team257, team);
    EXPECT_EQ(r.message, "Palm Team Version Number is Incorrect");
    EXPECT_EQ(r.caption, "Load Error");
    EXPECT_EQ(PalmPayload::readGame(game255, game).message, "Palm Game Version Number is Incorrect");
    // Nothing was taken from the refused payloads.
    EXPECT_TRUE(team.name.empty());
    EXPECT_EQ(game.isNew, 1);
}

TEST(PalmPayload, ShortPayloadsAreRefusedAndTeamsKeptUnchanged) {
    const Bytes payload = PalmPayload::team(courtlog::testing::variedTeam(20));
    for (std::size_t cut : {4u, 5u, 40u, 80u, 81u, 800u}) {
        Team team;
        team.name = "untouched";
        const PalmResult r = PalmPayload::readTeam(Bytes(payload.begin(), payload.begin() + cut), team);
        EXPECT_FALSE(r) << cut;
        EXPECT_NE(r.message.find("The Palm Team is incomplete or damaged"), std::string::npos) << r.message;
        EXPECT_EQ(team.name, "untouched");
    }
    const Bytes gamePayload = PalmPayload::game(courtlog::testing::variedGame(3, 3));
    Game game;
    const PalmResult r = PalmPayload::readGame(Bytes(gamePayload.begin(), gamePayload.end() - 1), game);
    EXPECT_EQ(r.message, "The Palm Game is incomplete or damaged: it ends before the events its counts announce");
    EXPECT_TRUE(game.homeEvents().empty());
}

TEST(PalmPayload, CountByteAbove127ReadsAsNoPlayers) {
    Bytes payload = PalmPayload::team(courtlog::testing::variedTeam(0));
    payload.back() = 200;
    payload.resize(payload.size() + 200 * PalmPayload::kPlayerSize, 'a');
    EXPECT_EQ(readTeam(payload).playerCount(), 0);

    EXPECT_EQ(PalmPayload::rosterProblem(courtlog::testing::variedTeam(127)), "");
    EXPECT_EQ(PalmPayload::rosterProblem(courtlog::testing::variedTeam(128, "Big")),
              "The team Big has 128 players; the handheld takes at most 127");
}
