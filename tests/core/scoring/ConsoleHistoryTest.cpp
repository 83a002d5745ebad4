#include <gtest/gtest.h>

#include <random>

#include "RecordBuilders.h"
#include "core/scoring/EventEditSession.h"
#include "core/scoring/GameConsole.h"
#include "core/scoring/SheetFigures.h"

namespace courtlog::scoring {
namespace {

const PlayChoice& choice(std::string_view caption) {
    for (const PlayChoice& c : playChoices())
        if (c.caption == caption) return c;
    ADD_FAILURE() << "no choice " << caption;
    return playChoices()[0];
}

// Hawks and Owls, seven players each, five on court.
struct History : ::testing::Test {
    Game game = testing::game(testing::team("Hawks", 7), testing::team("Owls", 7));
    LeagueOptions league;
    GameConsole console{game, league};

    void record(bool home, int slot, std::string_view caption) {
        const PlayChoice& c = choice(caption);
        ASSERT_TRUE(console.recordPlay(home, slot, c, defaultShotSpot(c.subKind)));
    }
};

TEST_F(History, UndoAndRedoAcrossBothTeams) {
    EXPECT_FALSE(console.undo());
    record(true, 1, "&3-Pointer");
    ASSERT_TRUE(console.periodUp());
    record(false, 2, "&2-Pointer");
    record(true, 3, "&Defensive");
    ASSERT_TRUE(console.takeTimeOut(true, false));
    EXPECT_EQ(console.undoDescription(), "Time out, Hawks");

    ASSERT_TRUE(console.undo());  // the time out
    EXPECT_EQ(console.lastStep(), "Undone: Time out, Hawks");
    EXPECT_EQ(game.homeEventCount(), 2);
    ASSERT_TRUE(console.undo());  // the foul
    EXPECT_EQ(teamSheetFigures(game, true).rows[2].personalFouls, 0);
    ASSERT_TRUE(console.undo());  // the visitors' two
    EXPECT_EQ(console.lastStep(), "Undone: 2 pointer made, #4 Owls Player 2");
    EXPECT_EQ(game.visitorScore, 0);
    // Neither team played another play in period 1: the marks go too.
    EXPECT_EQ(game.visitor.players[0].playedInPeriod[1], 0);
    EXPECT_EQ(game.home.players[0].playedInPeriod[1], 0);
    EXPECT_EQ(game.home.players[0].playedInPeriod[0], 1);
    ASSERT_TRUE(console.undo());  // the period
    EXPECT_EQ(game.currentPeriod, 0);
    ASSERT_TRUE(console.undo());
    EXPECT_EQ(game.homeScore, 0);
    EXPECT_FALSE(console.undo());  // back to when the console opened

    // Back in the order they were made.
    ASSERT_TRUE(console.redo());
    EXPECT_EQ(console.lastStep(), "Redone: 3 pointer made, #3 Hawks Player 1");
    EXPECT_EQ(game.homeScore, 3);
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(console.redo());
    EXPECT_FALSE(console.redo());
    ASSERT_EQ(game.homeEventCount(), 3);
    EXPECT_EQ(game.homeEvents[2].kind, TimeOut);
    EXPECT_EQ(game.currentPeriod, 1);
    EXPECT_EQ(game.visitor.players[0].playedInPeriod[1], 1);
}

TEST_F(History, ANewChangeEndsRedo) {
    record(true, 1, "&2-Pointer");
    record(false, 1, "&2-Pointer");
    console.undo();
    EXPECT_EQ(console.redoDescription(), "2 pointer made, #3 Owls Player 1");
    record(true, 2, "&Offensive");
    EXPECT_EQ(console.redoDescription(), "");
    EXPECT_EQ(console.lastStep(), "");
    EXPECT_FALSE(console.redo());
    EXPECT_EQ(game.visitorEventCount(), 0);
}

TEST_F(History, UndoPutsBackTheQuestionsOfBefore) {
    record(true, 1, "2&-Missed");
    ASSERT_EQ(console.clickPlayer(false, 2).action, PlayerClick::Rebound);
    // The rebound went to the wrong player: take it back, the question returns.
    ASSERT_TRUE(console.undo());
    EXPECT_TRUE(console.pending().rebound);
    EXPECT_EQ(console.title(), "Rebounded By? (or Select Right Click/Cancel)");
    ASSERT_EQ(console.clickPlayer(true, 4).action, PlayerClick::Rebound);
    EXPECT_EQ(game.homeEvents.back().reboundKind, OffensiveRebound);
    // Taking back the miss too ends its question.
    console.undo();
    console.undo();
    EXPECT_FALSE(console.pending().rebound);
    EXPECT_EQ(console.title(), GameConsole::kIdleTitle);

    // A substitution taken back brings the bench choice back.
    console.chooseBenchPlayer(true, 6);
    ASSERT_TRUE(console.clickPlayer(true, 3));
    EXPECT_EQ(console.undoDescription(), "Substitution: #9 Hawks Player 7 for #5 Hawks Player 3");
    ASSERT_TRUE(console.undo());
    EXPECT_EQ(game.home.players[2].courtSlot, 3);
    EXPECT_EQ(game.home.players[6].courtSlot, 0);
    EXPECT_EQ(console.clickAction(true, 5), PlayerClick::Substitution);
    // So does swapping sides.
    console.cancelAction();
    ASSERT_TRUE(console.swapSides());
    ASSERT_TRUE(console.undo());
    EXPECT_FALSE(console.sidesSwapped());
}

TEST_F(History, AnEditorSessionIsOneStep) {
    record(true, 1, "&3-Pointer");
    record(true, 2, "&Offensive");
    record(true, 3, "&2-Pointer");
    const auto before = game.toBytes();
    EventEditSession editor(game, true);
    ASSERT_TRUE(editor.remove(0));
    EXPECT_EQ(game.homeScore, 5);  // the editor works on a copy
    ASSERT_TRUE(editor.update(0, {1, Foul, DefensiveFoul, 2}).updated);
    ASSERT_TRUE(console.perform(editor.finish()));
    EXPECT_EQ(game.homeScore, 2);
    EXPECT_EQ(game.homeEvents[0].foulKind, DefensiveFoul);
    EXPECT_EQ(console.undoDescription(), "Hawks plays edited (1 updated, 1 deleted)");
    ASSERT_TRUE(console.undo());
    EXPECT_EQ(game.toBytes(), before);
    EXPECT_EQ(game.homeScore, 5);
    // The plays before it are taken back one by one as usual.
    ASSERT_TRUE(console.undo());
    EXPECT_EQ(game.homeEventCount(), 2);
}

TEST_F(History, PlayersAddedOrRenamedBesideTheConsoleEndTheHistory) {
    record(true, 1, "&3-Pointer");
    console.rosterChanged();
    EXPECT_FALSE(console.undo());
    // League options that leave the period keep it; one that moves it does not.
    record(true, 1, "&3-Pointer");
    console.leagueOptionsChanged();
    EXPECT_EQ(console.undoDescription(), "3 pointer made, #3 Hawks Player 1");
    game.currentPeriod = 2;
    console.leagueOptionsChanged();
    EXPECT_FALSE(console.undo());
}

// What the game and the console are at one moment.
struct Moment {
    std::vector<std::uint8_t> bytes;
    ConsoleState state;
};

struct Step {
    Moment before, after;
};

struct RandomRun {
    const char* what;
    unsigned seed;
    int actions;
};

void PrintTo(const RandomRun& run, std::ostream* out) { *out << run.what; }

class RandomChanges : public ::testing::TestWithParam<RandomRun> {};

// Random changes, questions, cancels, editor sessions, undos and redos: every
// undo returns the game byte for byte and the console to the moment before
// the change; every redo to the moment before the undo.
TEST_P(RandomChanges, UndoAndRedoReturnToTheMomentsBeforeAndAfter) {
    Game game = testing::game(testing::team("Hawks", 8), testing::team("Owls", 8));
    LeagueOptions league;
    league.fullTimeOuts = 3;
    GameConsole console(game, league);
    const std::vector<std::uint8_t> opening = game.toBytes();
    std::mt19937 random(GetParam().seed);
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto now = [&] { return Moment{game.toBytes(), console.state()}; };
    std::vector<Step> done, undone;

    for (int i = 0; i < GetParam().actions; ++i) {
        const bool home = pick(2) == 0;
        const int slot = 1 + pick(5);
        const Moment before = now();
        ChangeOutcome outcome;
        bool walked = false;  // an undo or a redo
        switch (pick(14)) {
            case 0:
            case 1: {
                const PlayChoice& c = playChoices()[static_cast<std::size_t>(pick(kPlayChoiceCount))];
                outcome = console.recordPlay(home, slot, c, {pick(118), pick(199)});
                break;
            }
            case 2: outcome = console.clickPlayer(home, slot); break;
            case 3: console.chooseBenchPlayer(home, pick(8)); break;
            case 4: outcome = console.takeTimeOut(home, pick(2) == 0); break;
            case 5: outcome = pick(3) == 0 ? console.periodDown() : console.periodUp(); break;
            case 6: outcome = console.swapSides(); break;
            case 7: console.cancelAction(); break;
            case 8: {
                EventEditSession editor(game, home);
                const int rows = static_cast<int>(editor.plays().size());
                if (rows > 0 && pick(2) == 0) editor.remove(pick(rows));
                if (rows > 1) editor.update(pick(rows - 1), {pick(8), pick(13), 0, pick(14)});
                outcome = console.perform(editor.finish());
                break;
            }
            case 9:
            case 10: {
                const bool undid = console.undo();
                walked = true;
                ASSERT_EQ(undid, !done.empty());
                if (!undid) break;
                Step step = done.back();
                done.pop_back();
                ASSERT_EQ(before.bytes, step.after.bytes) << "step " << i;
                ASSERT_EQ(game.toBytes(), step.before.bytes) << "step " << i;
                ASSERT_EQ(console.state(), step.before.state) << "step " << i;
                step.after = before;
                undone.push_back(step);
                break;
            }
            default: {
                const bool redid = console.redo();
                walked = true;
                ASSERT_EQ(redid, !undone.empty());
                if (!redid) break;
                Step step = undone.back();
                undone.pop_back();
                ASSERT_EQ(game.toBytes(), step.after.bytes) << "step " << i;
                ASSERT_EQ(console.state(), step.after.state) << "step " << i;
                step.before.state = before.state;
                done.push_back(step);
                break;
            }
        }
        if (outcome) {
            done.push_back({before, now()});
            undone.clear();
        } else if (!walked) {
            // Whatever did not change the game is not a step.
            ASSERT_EQ(game.toBytes(), before.bytes) << "step " << i;
        }
        Game recounted = game;
        recounted.recomputeScores();
        ASSERT_EQ(game.homeScore, recounted.homeScore);
        ASSERT_EQ(game.visitorScore, recounted.visitorScore);
    }
    // All the way back to the console's opening.
    while (console.undo()) {}
    EXPECT_EQ(game.toBytes(), opening);
}

const RandomRun kRuns[] = {
    {"ShortRun", 7, 60},
    {"LongRun", 2024, 600},
    {"ManyUndos", 99, 300},
    {"OtherSeed", 31337, 400},
};

INSTANTIATE_TEST_SUITE_P(Console, RandomChanges, ::testing::ValuesIn(kRuns),
                         [](const ::testing::TestParamInfo<RandomRun>& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace courtlog::scoring
