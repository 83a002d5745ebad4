#include <gtest/gtest.h>

#include "RecordBuilders.h"
#include "core/records/Codes.h"
#include "core/scoring/ConsoleUndo.h"
#include "core/scoring/SheetFigures.h"

namespace courtlog::scoring {
namespace {

// In court slot `slot`, wearing slot + 10.
Player onCourt(const std::string& name, int slot) { return courtlog::testing::player(name, slot + 10, 0, slot); }

Game twoTeams() {
    Game game;
    for (int slot = 1; slot <= 5; ++slot) {
        game.home.addPlayer(onCourt("H" + std::to_string(slot), slot), PersonalInfo::blank());
        game.visitor.addPlayer(onCourt("V" + std::to_string(slot), slot), PersonalInfo::blank());
    }
    return game;
}

// Records a play as the console does: marks the side's players on court as
// having played in the period, appends, tells the history.
void record(Game& game, ConsoleUndo& undo, bool home, int kind, int subKind, int who) {
    Team& team = home ? game.home : game.visitor;
    PlayEvent e;
    e.player = team.players[static_cast<std::size_t>(who)];
    e.kind = static_cast<std::int16_t>(kind);
    e.period = game.currentPeriod;
    if (kind == Shot) e.shotResult = static_cast<std::int16_t>(subKind);
    if (kind == Foul) e.foulKind = static_cast<std::int16_t>(subKind);
    for (Player& p : team.players)
        if (p.courtSlot > 0) p.playedInPeriod[static_cast<std::size_t>(game.currentPeriod)] = 1;
    if (home)
        game.addHomeEvent(e);
    else
        game.addVisitorEvent(e);
    undo.recorded(game, home);
    game.recomputeScores();
}

TEST(ConsoleUndo, UndoAndRedoAcrossBothTeams) {
    Game game = twoTeams();
    ConsoleUndo undo(game);
    EXPECT_FALSE(undo.canUndo());
    EXPECT_FALSE(undo.undo(game).done);

    record(game, undo, true, Shot, ThreePointMade, 0);
    game.currentPeriod = 1;
    record(game, undo, false, Shot, TwoPointMade, 1);
    record(game, undo, true, Foul, DefensiveFoul, 2);
    record(game, undo, true, TimeOut, 0, 0);
    EXPECT_EQ(game.homeScore, 3);
    EXPECT_EQ(game.visitorScore, 2);

    ConsoleUndo::Step step = undo.undo(game);  // the time out
    EXPECT_TRUE(step.done && step.home);
    EXPECT_EQ(game.homeEventCount(), 2);
    step = undo.undo(game);  // the foul
    EXPECT_TRUE(step.home);
    EXPECT_EQ(teamSheetFigures(game, true).rows[2].personalFouls, 0);
    step = undo.undo(game);  // the visitor's two
    EXPECT_FALSE(step.home);
    EXPECT_EQ(game.visitorEventCount(), 0);
    EXPECT_EQ(game.visitorScore, 0);
    // The visitors played no other play in period 1: their marks go too.
    EXPECT_EQ(game.visitor.players[0].playedInPeriod[1], 0);
    // Nor did the home team, once its foul was taken back; period 0 stays.
    EXPECT_EQ(game.home.players[0].playedInPeriod[1], 0);
    EXPECT_EQ(game.home.players[0].playedInPeriod[0], 1);
    step = undo.undo(game);
    EXPECT_TRUE(step.home);
    EXPECT_EQ(game.homeScore, 0);
    EXPECT_FALSE(undo.undo(game).done);  // back to when the console opened

    // Back in the order they were recorded.
    EXPECT_TRUE(undo.redo(game).home);
    EXPECT_EQ(game.homeScore, 3);
    EXPECT_FALSE(undo.redo(game).home);
    EXPECT_EQ(game.visitorScore, 2);
    EXPECT_EQ(game.visitor.players[0].playedInPeriod[1], 1);
    undo.redo(game);
    undo.redo(game);
    EXPECT_FALSE(undo.redo(game).done);
    ASSERT_EQ(game.homeEventCount(), 3);
    EXPECT_EQ(game.homeEvents[1].kind, Foul);
    EXPECT_EQ(game.homeEvents[2].kind, TimeOut);
}

TEST(ConsoleUndo, ANewPlayEndsRedo) {
    Game game = twoTeams();
    ConsoleUndo undo(game);
    record(game, undo, true, Shot, TwoPointMade, 0);
    record(game, undo, false, Shot, TwoPointMade, 0);
    undo.undo(game);
    EXPECT_TRUE(undo.canRedo());
    record(game, undo, true, Foul, OffensiveFoul, 1);
    EXPECT_FALSE(undo.canRedo());
    EXPECT_FALSE(undo.redo(game).done);
    EXPECT_EQ(game.visitorEventCount(), 0);
}

TEST(ConsoleUndo, PlaysChangedInTheEditorArePassedOver) {
    Game game = twoTeams();
    ConsoleUndo undo(game);
    record(game, undo, true, Shot, TwoPointMade, 0);
    record(game, undo, true, Foul, OffensiveFoul, 1);
    record(game, undo, true, Foul, OffensiveFoul, 1);  // the same foul twice
    // The editor turns the last foul into a defensive one.
    game.homeEvents[2].foulKind = DefensiveFoul;
    EXPECT_TRUE(undo.undo(game).done);  // takes the unchanged foul
    ASSERT_EQ(game.homeEventCount(), 2);
    EXPECT_EQ(game.homeEvents[1].foulKind, DefensiveFoul);
    // The editor deletes the shot; nothing recorded at the console is left.
    game.homeEvents.erase(game.homeEvents.begin());
    EXPECT_FALSE(undo.undo(game).done);
    EXPECT_EQ(game.homeEventCount(), 1);
}

}  // namespace
}  // namespace courtlog::scoring
