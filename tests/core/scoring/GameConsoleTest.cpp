#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "RecordBuilders.h"
#include "core/records/Codes.h"
#include "core/scoring/GameConsole.h"

using namespace courtlog;
using namespace courtlog::scoring;

namespace {

const PlayChoice& choice(std::string_view caption) {
    for (const PlayChoice& c : playChoices())
        if (c.caption == caption) return c;
    ADD_FAILURE() << "no choice " << caption;
    return playChoices()[0];
}

struct Console : ::testing::Test {
    Game game = courtlog::testing::sevenASide();
    LeagueOptions league;
    GameConsole console{game, league};

    // A click that opens the event dialog, then the choice.
    void record(bool home, int slot, std::string_view caption) {
        ASSERT_EQ(console.clickPlayer(home, slot).action, PlayerClick::EventDialog);
        recordChoice(home, slot, caption);
    }
    void recordChoice(bool home, int slot, std::string_view caption) {
        const PlayChoice& c = choice(caption);
        ASSERT_TRUE(console.recordPlay(home, slot, c, defaultShotSpot(c.subKind)));
    }
};

}  // namespace

TEST(PlayChoices, TwentyNineChoicesWithTheirCodesAndSounds) {
    ASSERT_EQ(playChoices().size(), 29u);
    EXPECT_EQ(choice("2&-Missed").sound, 607);
    EXPECT_EQ(choice("2&-Missed").followUp, FollowUp::Rebound);
    EXPECT_EQ(choice("&Steal").followUp, FollowUp::Steal);
    EXPECT_EQ(choice("Other  - &z").subKind, OtherTurnover);
    EXPECT_EQ(choice("On Benc&h").subKind, TechnicalOnBench);
    EXPECT_TRUE(choice("3-&Missed").isFieldGoalAttempt());
    EXPECT_FALSE(choice("Free &Throw").isFieldGoalAttempt());
    PlayEvent e;
    e.shotResult = 3;
    applyChoice(choice("D&efensive"), e);
    EXPECT_EQ(e.kind, Rebound);
    EXPECT_EQ(e.reboundKind, DefensiveRebound);
    EXPECT_EQ(e.shotResult, 0);
}

TEST_F(Console, AMadeTwoAsksForTheAssistOfTheShootersTeamOnly) {
    game.currentPeriod = 2;
    record(true, 1, "&2-Pointer");
    EXPECT_EQ(console.title(), "Assist To? (or Select Right Click/Cancel for none)");
    EXPECT_EQ(game.homeScore(), 2);
    // A click on the other team opens the event dialog; the prompt stays.
    EXPECT_EQ(console.clickAction(false, 2), PlayerClick::EventDialog);
    EXPECT_EQ(console.clickPlayer(true, 4).action, PlayerClick::Assist);
    ASSERT_EQ(game.homeEvents().size(), 2u);
    EXPECT_EQ(game.homeEvents()[0].shotResult, TwoPointMade);
    EXPECT_EQ(game.homeEvents()[0].shotX, 57);
    EXPECT_EQ(game.homeEvents()[0].shotY, 47);
    EXPECT_EQ(game.homeEvents()[0].period, 2);
    EXPECT_EQ(game.homeEvents()[1].kind, Assist);
    EXPECT_EQ(game.homeEvents()[1].player.name, "H4");
    EXPECT_EQ(game.homeScore(), 2);
    EXPECT_EQ(console.title(), GameConsole::kIdleTitle);
    EXPECT_FALSE(console.pending().assist);
    // Every player on court played in the period; the bench did not.
    for (int i = 0; i < 5; ++i) EXPECT_EQ(game.home.players[static_cast<std::size_t>(i)].playedInPeriod[2], 1);
    EXPECT_EQ(game.home.players[5].playedInPeriod[2], 0);
    EXPECT_EQ(game.visitor.players[0].playedInPeriod[2], 0);
}

TEST_F(Console, AMissedThreeIsReboundedByEitherTeam) {
    record(false, 3, "3-&Missed");
    EXPECT_EQ(console.title(), "Rebounded By? (or Select Right Click/Cancel)");
    EXPECT_EQ(game.visitorEvents()[0].shotY, 77);
    EXPECT_EQ(console.clickPlayer(true, 2).action, PlayerClick::Rebound);
    EXPECT_EQ(game.homeEvents().back().reboundKind, DefensiveRebound);
    record(false, 3, "3-&Missed");
    EXPECT_EQ(console.clickPlayer(false, 5).action, PlayerClick::Rebound);
    EXPECT_EQ(game.visitorEvents().back().reboundKind, OffensiveRebound);
    EXPECT_EQ(game.visitorEvents().back().player.name, "V5");
}

TEST_F(Console, AStealIsAnsweredByThePlayerOfTheOtherTeam) {
    record(true, 1, "&Steal");
    EXPECT_EQ(console.title(), "Stolen From? (or Select Right Click/Cancel)");
    EXPECT_EQ(console.clickAction(true, 2), PlayerClick::EventDialog);
    record(true, 2, "&Jump Ball");  // another home play; the steal stays pending
    EXPECT_TRUE(console.pending().steal);
    EXPECT_EQ(console.clickPlayer(false, 1).action, PlayerClick::StolenFrom);
    EXPECT_EQ(game.visitorEvents().back().kind, Turnover);
    EXPECT_EQ(game.visitorEvents().back().turnoverKind, LostBall);
}

TEST_F(Console, DispatchOrderDiffersBetweenTheSides) {
    // Visitor steal, then a home made three: home has both the steal answer
    // and the assist pending. Home tests the steal first.
    recordChoice(false, 1, "&Steal");
    recordChoice(true, 1, "&3-Pointer");
    EXPECT_EQ(console.clickAction(true, 2), PlayerClick::StolenFrom);
    // Home steal, then a visitor made two: the visitor tests the assist first.
    console.cancelAction();
    recordChoice(true, 1, "&Steal");
    recordChoice(false, 1, "&2-Pointer");
    EXPECT_EQ(console.clickAction(false, 2), PlayerClick::Assist);
    // The rebound comes after both.
    console.cancelAction();
    recordChoice(true, 1, "2&-Missed");
    EXPECT_EQ(console.clickAction(false, 2), PlayerClick::Rebound);
    EXPECT_EQ(console.pending().lastPlayByHome, true);
}

TEST_F(Console, CancelDeclinesEveryPromptWithoutRecording) {
    recordChoice(true, 1, "2&-Missed");
    recordChoice(true, 1, "&Steal");
    console.chooseBenchPlayer(false, 5);
    const std::size_t plays = game.homeEvents().size() + game.visitorEvents().size();
    console.cancelAction();
    EXPECT_FALSE(console.pending().rebound);
    EXPECT_FALSE(console.pending().steal);
    EXPECT_FALSE(console.pending().visitorSubstitution);
    EXPECT_EQ(console.title(), GameConsole::kIdleTitle);
    EXPECT_EQ(console.clickAction(false, 1), PlayerClick::EventDialog);
    EXPECT_EQ(game.homeEvents().size() + game.visitorEvents().size(), plays);
}

TEST_F(Console, SubstitutionSwapsSlotAndPositionAndRecordsNothing) {
    console.chooseBenchPlayer(true, 6);  // H7
    EXPECT_EQ(console.title(), "Select Home Player to be Subtituted or Select Cancel");
    // The visitor's buttons are not affected.
    EXPECT_EQ(console.clickAction(false, 1), PlayerClick::EventDialog);
    EXPECT_EQ(console.clickPlayer(true, 3).action, PlayerClick::Substitution);
    EXPECT_EQ(game.home.players[6].courtSlot, 3);
    EXPECT_EQ(game.home.players[6].position, game.home.players[2].position);
    EXPECT_EQ(game.home.players[2].courtSlot, 0);
    EXPECT_TRUE(game.homeEvents().empty());
    EXPECT_EQ(console.title(), GameConsole::kIdleTitle);
    EXPECT_FALSE(console.pending().homeSubstitution);
    const auto bench = console.teamFigures(true).bench;
    ASSERT_EQ(bench.size(), 2u);
    EXPECT_EQ(bench[0].text, " 3-H3");
}

TEST_F(Console, AFouledOutPlayerCannotComeIn) {
    for (int i = 0; i < 5; ++i) game.addHomeEvent(courtlog::testing::playBy(game.home.players[5], Foul));
    console.chooseBenchPlayer(true, 5);
    EXPECT_EQ(console.clickPlayer(true, 1).action, PlayerClick::Substitution);
    EXPECT_EQ(game.home.players[5].courtSlot, 0);
    EXPECT_EQ(game.home.players[0].courtSlot, 1);
    EXPECT_FALSE(console.pending().homeSubstitution);
}

TEST_F(Console, TimeOutsUntilNoneRemain) {
    league.fullTimeOuts = 2;
    league.shortTimeOuts = 1;
    EXPECT_TRUE(console.takeTimeOut(true, false));
    EXPECT_TRUE(console.takeTimeOut(true, false));
    EXPECT_FALSE(console.takeTimeOut(true, false));
    EXPECT_TRUE(console.takeTimeOut(true, true));
    EXPECT_FALSE(console.takeTimeOut(true, true));
    EXPECT_TRUE(console.takeTimeOut(false, false));
    ASSERT_EQ(game.homeEvents().size(), 3u);
    EXPECT_EQ(game.homeEvents()[0].kind, TimeOut);
    EXPECT_EQ(game.homeEvents()[0].player.name, "");
    EXPECT_EQ(game.homeEvents()[0].player.number, 0);
    EXPECT_EQ(game.homeEvents()[2].kind, ShortTimeOut);
    EXPECT_EQ(console.teamFigures(true).fullTimeOutsLeft, 0);
    EXPECT_EQ(console.teamFigures(false).fullTimeOutsLeft, 1);
    // Time outs mark nobody as having played.
    EXPECT_EQ(game.home.players[0].playedInPeriod[0], 0);
}

TEST_F(Console, PeriodUpAndDownInHalves) {
    game.halves = 1;
    console.periodUp();
    EXPECT_EQ(game.currentPeriod, 2);
    console.periodUp();
    EXPECT_EQ(game.currentPeriod, 4);
    EXPECT_EQ(console.periodGroup().caption, "Overtime");
    EXPECT_EQ(console.periodGroup().checked, 1);
    console.periodDown();
    console.periodDown();
    console.periodDown();
    EXPECT_EQ(game.currentPeriod, 0);
    EXPECT_EQ(console.periodGroup().caption, "Half");
}

TEST_F(Console, HalvesChosenFoldTheCurrentPeriod) {
    // Quarter period -> period after choosing halves.
    const std::vector<std::pair<int, int>> cases{{0, 0}, {1, 0}, {2, 2}, {3, 2}, {4, 4}, {5, 5}};
    for (const auto& [before, after] : cases) {
        game.currentPeriod = static_cast<std::int16_t>(before);
        league.halves = false;
        EXPECT_FALSE(console.leagueOptionsChanged()) << "quarters, from period " << before;
        league.halves = true;
        EXPECT_EQ(static_cast<bool>(console.leagueOptionsChanged()), before != after) << "from period " << before;
        EXPECT_EQ(game.currentPeriod, after) << "from period " << before;
        // The game's own flag is not touched; only new games take the option.
        EXPECT_EQ(game.halves, 0);
    }
}

TEST_F(Console, PlaysInLateOvertimeMarkTheLastPeriodSlot) {
    game.currentPeriod = 9;
    record(true, 2, "&Offensive");
    EXPECT_EQ(game.home.players[0].playedInPeriod[7], 1);
    EXPECT_EQ(game.homeEvents()[0].period, 9);
    EXPECT_EQ(game.homeEvents()[0].foulKind, OffensiveFoul);
}

TEST_F(Console, AnEmptySlotDoesNothing) {
    game.home.players[0].courtSlot = 0;
    EXPECT_EQ(console.clickPlayer(true, 1).action, PlayerClick::Nothing);
    EXPECT_FALSE(console.recordPlay(true, 1, choice("&Assist"), {}));
    // A bench player may still come into the empty slot.
    console.chooseBenchPlayer(true, 5);
    EXPECT_EQ(console.clickPlayer(true, 1).action, PlayerClick::Substitution);
    EXPECT_EQ(game.home.players[5].courtSlot, 1);
}

namespace {

// A change the console refuses: nothing in the game changes, nothing goes on
// the undo stack, and the scorekeeper is told why.
struct RefusalCase {
    const char* what;
    std::function<void(Game&, GameConsole&)> setUp;
    std::function<ChangeOutcome(GameConsole&)> act;
    const char* message;
    const char* caption;
    std::function<void(const GameConsole&)> alsoCheck = [](const GameConsole&) {};
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.what; }

struct Refusals : ::testing::TestWithParam<RefusalCase> {
    Game game = courtlog::testing::sevenASide();
    LeagueOptions league;
    GameConsole console{game, league};
};

TEST_P(Refusals, LeaveTheGameAndTheUndoStackAndSayWhy) {
    const RefusalCase& c = GetParam();
    c.setUp(game, console);
    const auto bytes = game.toBytes();
    const std::string lastChange = console.undoDescription();
    const ChangeOutcome outcome = c.act(console);
    EXPECT_FALSE(outcome.changed);
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(outcome.caption, c.caption);
    EXPECT_EQ(game.toBytes(), bytes);
    EXPECT_EQ(console.undoDescription(), lastChange);
    c.alsoCheck(console);
}

void fillList(Game& game, bool home) {
    game.setEvents(home, std::vector<PlayEvent>(std::numeric_limits<std::int16_t>::max()));
}

const RefusalCase kRefusals[] = {
    {"PlayOnAFullList", [](Game& g, GameConsole&) { fillList(g, true); },
     [](GameConsole& c) { return c.recordPlay(true, 1, choice("&2-Pointer"), kDefaultTwoPointSpot); },
     "The play was not recorded: Hawks already has 32767 plays, the most a game file can hold.", "Play Not Recorded",
     // No assist is asked for a play that was not stored.
     [](const GameConsole& c) {
         EXPECT_FALSE(c.pending().assist);
         EXPECT_EQ(c.title(), GameConsole::kIdleTitle);
     }},
    {"FouledOutSubstitute",
     [](Game& g, GameConsole& c) {
         for (int i = 0; i < 5; ++i) g.addHomeEvent(courtlog::testing::play("H6", Foul, DefensiveFoul, 0, 6));
         c.chooseBenchPlayer(true, 5);
     },
     [](GameConsole& c) { return static_cast<ChangeOutcome>(c.clickPlayer(true, 1)); },
     "#6 H6 has fouled out and cannot come back in.", "Substitution",
     // The question is over all the same.
     [](const GameConsole& c) { EXPECT_FALSE(c.pending().homeSubstitution); }},
    // Nothing below the first period: no change, nothing to say.
    {"PeriodDownAtTheStart", [](Game&, GameConsole&) {},
     [](GameConsole& c) { return c.periodDown(); }, "", ""},
};

INSTANTIATE_TEST_SUITE_P(Console, Refusals, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace

// A game opened again with its sides swapped: undoing a later swap comes
// back to the sides it opened with, and opening so is nothing to undo.
TEST_F(Console, OpenedSwappedItUndoesBackToSwapped) {
    console.openWithSidesSwapped(true);
    EXPECT_TRUE(console.sidesSwapped());
    EXPECT_FALSE(console.undo());
    ASSERT_TRUE(console.swapSides());
    EXPECT_FALSE(console.sidesSwapped());
    ASSERT_TRUE(console.undo());
    EXPECT_TRUE(console.sidesSwapped());
}

// The event dialog names the player a play is for, on either side and with
// the sides swapped; a slot nobody holds names the team alone.
TEST_F(Console, TheEventDialogNamesThePlayerOfTheSlotClicked) {
    EXPECT_EQ(console.slotPlayerWords(true, 3), "#3 H3, Hawks");
    game.visitor.players[1].number = -1;
    EXPECT_EQ(console.slotPlayerWords(false, 2), "#00 V2, Owls");
    ASSERT_TRUE(console.swapSides());
    EXPECT_EQ(console.slotPlayerWords(true, 3), "#3 H3, Hawks");
    for (Player& p : game.home.players) p.courtSlot = 0;
    EXPECT_EQ(console.slotPlayerWords(true, 3), "Hawks");
}
