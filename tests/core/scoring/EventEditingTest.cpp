#include <gtest/gtest.h>

#include <functional>

#include "RecordBuilders.h"
#include "core/records/Codes.h"
#include "core/scoring/EventEditSession.h"
#include "core/scoring/EventEditing.h"
#include "core/scoring/GameConsole.h"

namespace courtlog::scoring {
namespace {

using courtlog::testing::playBy;

// On the roster as a guard in court slot 2.
Player named(const std::string& name, int number) { return courtlog::testing::player(name, number, 1, 2); }

Roster roster() {
    Roster r;
    r.addPlayer(named("Ann Lee", 4), PersonalInfo::blank());
    r.addPlayer(named("Bo Dahl", -1), PersonalInfo::blank());
    r.addPlayer(named("Cy Moe", 15), PersonalInfo::blank());
    return r;
}

TEST(EventEditing, EventLines) {
    PlayEvent shot = playBy(named("Ann Lee", 4), Shot, 0, 1);
    shot.shotResult = ThreePointMade;
    EXPECT_EQ(eventLine(shot, false), "2nd  4 - Ann Lee, Shot, Three Point Made");
    EXPECT_EQ(eventLine(shot, true), "1st  4 - Ann Lee, Shot, Three Point Made");

    PlayEvent foul = playBy(named("Bo Dahl", -1), Foul, 0, 5);
    foul.foulKind = LooseBallFoul;
    EXPECT_EQ(eventLine(foul, false), "OT2 00 - Bo Dahl, Foul, Loose Ball Foul");

    EXPECT_EQ(eventLine(playBy(named("Cy Moe", 15), Steal, 0, 2), false), "3rd 15 - Cy Moe, Steal");
    EXPECT_EQ(eventLine(playBy(named("Bo Dahl", -1), Assist, 0, 3), true), "2nd 00 - Bo Dahl, Assist");
    EXPECT_EQ(eventLine(playBy(named("Ann Lee", 4), BlockedShot, 0, 13), false), "OT  4 - Ann Lee, Blocked Shot");
    // Kinds without sub-kinds other than these end with an empty part.
    EXPECT_EQ(eventLine(playBy(named("Ann Lee", 4), JumpBall), false), "1st  4 - Ann Lee, Jump Ball, ");
    EXPECT_EQ(eventLine(playBy(Player{}, TimeOut, 0, 4), false), "OT1 - Time Out");
    EXPECT_EQ(eventLine(playBy(named("Ann Lee", 4), ShortTimeOut, 0, 0), false), "1st - 20-Sec Time Out");
    PlayEvent turnover = playBy(named("Cy Moe", 15), Turnover, 0, 12);
    turnover.turnoverKind = OtherTurnover;
    EXPECT_EQ(eventLine(turnover, false), "OT9 15 - Cy Moe, Turnover, Other Turnover");
}

TEST(EventEditing, ListsOfTheEditor) {
    const auto kinds = eventKindNames();
    ASSERT_EQ(kinds.size(), 13u);
    EXPECT_EQ(kinds.front(), "No Event");
    EXPECT_EQ(kinds.back(), "20-Sec Time Out");
    EXPECT_EQ(subKindNames(Shot).size(), 7u);
    EXPECT_EQ(subKindNames(Foul).back(), "Loose Ball Foul");
    EXPECT_EQ(subKindNames(Turnover).size(), 12u);
    EXPECT_EQ(subKindNames(TechnicalFoul)[2], "Player Technical");
    EXPECT_TRUE(subKindNames(Steal).empty());
    EXPECT_TRUE(subKindNames(TimeOut).empty());
    EXPECT_EQ(periodNames(false),
              (std::vector<std::string>{"1st", "2nd", "3rd", "4th", "OT1", "OT2", "OT3", "OT4", "OT5", "OT6",
                                        "OT7", "OT8", "OT9", "OT"}));
    const auto halves = periodNames(true);
    EXPECT_EQ(std::vector<std::string>(halves.begin(), halves.begin() + 5),
              (std::vector<std::string>{"1st", "1st", "2nd", "2nd", "OT1"}));
    EXPECT_EQ(rosterLine(named("Ann Lee", 4)), "4 - Ann Lee");
    EXPECT_EQ(rosterLine(named("Bo Dahl", -1)), "00 - Bo Dahl");
}

TEST(EventEditing, ShowingAnEvent) {
    const Roster r = roster();
    PlayEvent rebound = playBy(named("Cy Moe", 15), Rebound, 0, 6);
    rebound.reboundKind = DefensiveRebound;
    EXPECT_EQ(choiceShowing(rebound, r, 0), (EventChoice{2, Rebound, DefensiveRebound, 6}));
    // Time outs and unknown names leave the player list as it was.
    EXPECT_EQ(choiceShowing(playBy(Player{}, TimeOut, 0, 1), r, 1), (EventChoice{1, TimeOut, -1, 1}));
    EXPECT_EQ(choiceShowing(playBy(named("Nobody", 3), Steal), r, -1), (EventChoice{-1, Steal, -1, 0}));
    // Codes outside their tables (a damaged file) show as nothing chosen.
    PlayEvent odd = playBy(named("Ann Lee", 4), Foul, 0, 14);
    odd.foulKind = 9;
    EXPECT_EQ(choiceShowing(odd, r, -1), (EventChoice{0, Foul, -1, -1}));
    EXPECT_EQ(choiceShowing(playBy(named("Ann Lee", 4), 40), r, -1), (EventChoice{0, -1, -1, 0}));
}

TEST(EventEditing, UpdateStoresTheChoice) {
    const Roster r = roster();
    PlayEvent e = playBy(named("Ann Lee", 4), Shot, 0, 0);
    e.shotResult = TwoPointMade;
    e.shotX = 40;
    e.shotY = 60;
    UpdateResult result = updateEvent(e, {2, Foul, DefensiveFoul, 3}, r);
    EXPECT_TRUE(result.updated);
    EXPECT_FALSE(result.askShotPoint);
    EXPECT_EQ(e.player, r.players[2]);
    EXPECT_EQ(e.kind, Foul);
    EXPECT_EQ(e.foulKind, DefensiveFoul);
    EXPECT_EQ(e.shotResult, 0);
    EXPECT_EQ(e.period, 3);
    EXPECT_EQ(e.shotX, 40);  // the spot is never touched by an update
    EXPECT_EQ(e.shotY, 60);

    result = updateEvent(e, {2, Shot, TwoPointMissed, 3}, r);
    EXPECT_TRUE(result.askShotPoint);
    EXPECT_EQ(e.foulKind, 0);
    EXPECT_EQ(e.shotResult, TwoPointMissed);

    // A free throw asks for no spot; a kind without sub-kinds zeroes them all.
    EXPECT_FALSE(updateEvent(e, {2, Shot, FreeThrowMade, 3}, r).askShotPoint);
    EXPECT_TRUE(updateEvent(e, {1, Steal, -1, 1}, r).updated);
    EXPECT_EQ(e.shotResult, 0);
    EXPECT_EQ(e.player.name, "Bo Dahl");
}

TEST(EventEditing, TimeOutsLoseTheirPlayerAndNeedOneBack) {
    const Roster r = roster();
    PlayEvent e = playBy(named("Ann Lee", 4), Foul, 0, 1);
    e.foulKind = OffensiveFoul;
    e.player.playedInPeriod[1] = 1;
    ASSERT_TRUE(updateEvent(e, {0, TimeOut, -1, 1}, r).updated);
    EXPECT_EQ(e.player.name, "");
    EXPECT_EQ(e.player.number, 0);
    EXPECT_EQ(e.player.position, 0);
    EXPECT_EQ(e.player.courtSlot, 0);
    EXPECT_EQ(e.player.playedInPeriod[1], 1);
    EXPECT_EQ(e.foulKind, 0);

    // Back into a foul: without a player it stays a time out.
    PlayEvent before = e;
    UpdateResult result = updateEvent(e, {-1, Foul, DefensiveFoul, 1}, r);
    EXPECT_FALSE(result.updated);
    EXPECT_EQ(result.message, "Select a Player to update this event.");
    EXPECT_EQ(e, before);
    ASSERT_TRUE(updateEvent(e, {1, Foul, DefensiveFoul, 1}, r).updated);
    EXPECT_EQ(e.player.name, "Bo Dahl");
}

TEST(EventEditing, NothingChosenLeavesTheEventAndSaysWhatToChoose) {
    const Roster r = roster();
    PlayEvent e = playBy(named("Cy Moe", 15), Rebound, 0, 2);
    e.reboundKind = OffensiveRebound;
    const PlayEvent before = e;
    struct Case {
        EventChoice choice;
        const char* message;
    };
    const Case cases[] = {
        {{2, -1, -1, 2}, "Select an Event Type to update this event."},
        {{2, Turnover, -1, 2}, "Select a Sub Type to update this event."},
        {{2, Turnover, 12, 2}, "Select a Sub Type to update this event."},
        {{2, Steal, -1, -1}, "Select a Quarter to update this event."},
        {{2, Steal, -1, 14}, "Select a Quarter to update this event."},
        {{2, Shot, -1, -1}, "Select a Sub Type and a Quarter to update this event."},
        {{2, 13, -1, -1}, "Select an Event Type and a Quarter to update this event."},
    };
    for (const Case& c : cases) {
        const UpdateResult result = updateEvent(e, c.choice, r);
        EXPECT_FALSE(result.updated);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(e, before);
    }
    // No player chosen keeps the event's own player.
    ASSERT_TRUE(updateEvent(e, {-1, Rebound, DefensiveRebound, 2}, r).updated);
    EXPECT_EQ(e.player.name, "Cy Moe");
    // "No Event" needs no player and marks the play for removal.
    ASSERT_TRUE(updateEvent(e, {-1, NoEvent, -1, 2}, r).updated);
    EXPECT_EQ(e.kind, NoEvent);
    EXPECT_EQ(e.reboundKind, 0);
}

std::vector<int> kindsOf(const std::vector<PlayEvent>& plays) {
    std::vector<int> kinds;
    for (const PlayEvent& p : plays) kinds.push_back(p.kind);
    return kinds;
}

struct DeleteCase {
    const char* what;
    std::vector<int> kinds;
    int row;
    bool deleted;
    std::vector<int> kindsAfter;
};

void PrintTo(const DeleteCase& c, std::ostream* out) { *out << c.what; }

class DeletingAPlay : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DeletingAPlay, MarksItAndPurgesTheList) {
    std::vector<PlayEvent> plays;
    for (const int kind : GetParam().kinds) plays.push_back(testing::play("Ann Lee", kind));
    EXPECT_EQ(deletePlay(plays, GetParam().row), GetParam().deleted);
    EXPECT_EQ(kindsOf(plays), GetParam().kindsAfter);
}

const DeleteCase kDeleteCases[] = {
    {"TheChosenRow", {Shot, Foul, Steal}, 1, true, {Shot, Steal}},
    {"WithPlaysAnUpdateMarked", {Shot, NoEvent, Steal}, 2, true, {Shot}},
    {"RowPastTheEnd", {Shot, NoEvent}, 2, false, {Shot, NoEvent}},
};

INSTANTIATE_TEST_SUITE_P(EventEditing, DeletingAPlay, ::testing::ValuesIn(kDeleteCases),
                         [](const auto& info) { return std::string(info.param.what); });

// One session of the editor on the home plays: made three, defensive foul,
// made two (5 points); the visitors hold a made two and, when the case says,
// a "No Event" play as a damaged file could.
struct SessionCase {
    const char* what;
    std::function<void(EventEditSession&)> edit;
    bool visitorNoEvent;
    const char* step;  // the command's description; nullptr: closing changes nothing
    std::vector<int> homeKinds;
    int homeScore;
    int visitorPlays;
};

void PrintTo(const SessionCase& c, std::ostream* out) { *out << c.what; }

class EditorSession : public ::testing::TestWithParam<SessionCase> {};

TEST_P(EditorSession, ClosesIntoOneStepThatUndoRestores) {
    const SessionCase& c = GetParam();
    Game game = testing::game("Hawks", "Owls",
                              {testing::play("Hawks Player 1", Shot, ThreePointMade),
                               testing::play("Hawks Player 2", Foul, DefensiveFoul),
                               testing::play("Hawks Player 3", Shot, TwoPointMade)},
                              {testing::play("Owls Player 1", Shot, TwoPointMade)});
    if (c.visitorNoEvent) game.addVisitorEvent(testing::play("Owls Player 2", NoEvent));
    const LeagueOptions league;
    GameConsole console(game, league);
    const auto before = game.toBytes();

    EventEditSession session(game, true);
    c.edit(session);
    EXPECT_EQ(game.toBytes(), before);  // the editor works on its copy
    std::unique_ptr<ConsoleCommand> step = session.finish();
    ASSERT_EQ(step != nullptr, c.step != nullptr);
    if (!step) return;
    EXPECT_EQ(step->describe(), c.step);
    ASSERT_TRUE(console.perform(std::move(step)));
    EXPECT_EQ(kindsOf(game.homeEvents()), c.homeKinds);
    EXPECT_EQ(game.homeScore(), c.homeScore);
    EXPECT_EQ(game.visitorEventCount(), c.visitorPlays);
    ASSERT_TRUE(console.undo());
    EXPECT_EQ(game.toBytes(), before);
    EXPECT_EQ(game.homeScore(), 5);
}

const SessionCase kSessionCases[] = {
    {"NothingDone", [](EventEditSession&) {}, false, nullptr, {}, 0, 0},
    {"UpdateToWhatItWas",
     [](EventEditSession& s) { EXPECT_TRUE(s.update(1, {-1, Foul, DefensiveFoul, 0}).updated); }, false, nullptr, {},
     0, 0},
    {"DeleteTheThree", [](EventEditSession& s) { EXPECT_TRUE(s.remove(0)); }, false,
     "Hawks plays edited (0 updated, 1 deleted)", {Foul, Shot}, 2, 1},
    {"TwoIntoAMissAndADelete",
     [](EventEditSession& s) {
         EXPECT_TRUE(s.update(2, {2, Shot, TwoPointMissed, 0}).askShotPoint);
         EXPECT_TRUE(s.remove(1));
     },
     false, "Hawks plays edited (1 updated, 1 deleted)", {Shot, Shot}, 3, 1},
    {"OtherTeamsNoEventPurged", [](EventEditSession&) {}, true, "Hawks plays edited (0 updated, 0 deleted)",
     {Shot, Foul, Shot}, 5, 1},
};

INSTANTIATE_TEST_SUITE_P(EventEditing, EditorSession, ::testing::ValuesIn(kSessionCases),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace courtlog::scoring
