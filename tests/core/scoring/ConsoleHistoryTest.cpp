#include <gtest/gtest.h>

#include <random>

#include "RecordBuilders.h"
#include "core/scoring/EventEditSession.h"
#include "core/scoring/GameConsole.h"

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

TEST_F(History, UndoAndRedoAcrossBothTeamsAndANewChangeEndsRedo) {
    EXPECT_FALSE(console.undo());
    record(true, 1, "&3-Pointer");
    ASSERT_TRUE(console.periodUp());
    record(false, 2, "&2-Pointer");
    ASSERT_TRUE(console.takeTimeOut(true, false));
    EXPECT_EQ(console.undoDescription(), "Time out, Hawks");
    ASSERT_TRUE(console.undo());
    ASSERT_TRUE(console.undo());
    EXPECT_EQ(console.lastStep(), "Undone: 2 pointer made, #4 Owls Player 2");
    EXPECT_EQ(game.visitorScore(), 0);
    // Nobody else played in period 1: the marks go with the play.
    EXPECT_EQ(game.visitor.players[0].playedInPeriod[1], 0);
    ASSERT_TRUE(console.redo());
    EXPECT_EQ(game.visitor.players[0].playedInPeriod[1], 1);
    EXPECT_EQ(console.redoDescription(), "Time out, Hawks");
    record(true, 2, "&Offensive");
    EXPECT_EQ(console.lastStep(), "");
    EXPECT_FALSE(console.redo());
}

TEST_F(History, UndoPutsBackTheQuestionsOfBefore) {
    record(true, 1, "2&-Missed");
    ASSERT_EQ(console.clickPlayer(false, 2).action, PlayerClick::Rebound);
    // The rebound went to the wrong player: take it back, the question returns.
    ASSERT_TRUE(console.undo());
    EXPECT_EQ(console.title(), "Rebounded By? (or Select Right Click/Cancel)");
    ASSERT_EQ(console.clickPlayer(true, 4).action, PlayerClick::Rebound);
    // Taking back the miss too ends its question.
    console.undo();
    console.undo();
    EXPECT_FALSE(console.pending().rebound);
    EXPECT_EQ(console.title(), GameConsole::kIdleTitle);
    // A substitution taken back asks again for the player going out.
    console.chooseBenchPlayer(true, 6);
    ASSERT_TRUE(console.clickPlayer(true, 3));
    EXPECT_EQ(console.undoDescription(), "Substitution: #9 Hawks Player 7 for #5 Hawks Player 3");
    ASSERT_TRUE(console.undo());
    EXPECT_EQ(game.home.players[2].courtSlot, 3);
    EXPECT_EQ(console.clickAction(true, 5), PlayerClick::Substitution);
}

TEST_F(History, PlayersOrAPeriodChangedBesideTheConsoleEndTheHistory) {
    record(true, 1, "&3-Pointer");
    console.rosterChanged();
    EXPECT_FALSE(console.undo());
    record(true, 1, "&3-Pointer");
    console.leagueOptionsChanged();  // the period stays: so does the history
    EXPECT_EQ(console.undoDescription(), "3 pointer made, #3 Hawks Player 1");
    game.currentPeriod = 2;
    console.leagueOptionsChanged();
    EXPECT_FALSE(console.undo());
}

// The game's bytes and the console state at one moment.
struct Moment {
    std::vector<std::uint8_t> bytes;
    ConsoleState state;
};

struct RandomRun {
    const char* what;
    unsigned seed;
    int actions;
};

void PrintTo(const RandomRun& run, std::ostream* out) { *out << run.what; }

class RandomChanges : public ::testing::TestWithParam<RandomRun> {};

// Random changes, questions, cancels, editor sessions, undos and redos: an
// undo returns the game byte for byte and the console to the moment before
// the change, a redo to the moment before the undo.
TEST_P(RandomChanges, UndoAndRedoReturnToTheMomentsBeforeAndAfter) {
    Game game = testing::game(testing::team("Hawks", 8), testing::team("Owls", 8));
    LeagueOptions league;
    league.fullTimeOuts = 3;
    GameConsole console(game, league);
    const std::vector<std::uint8_t> opening = game.toBytes();
    std::mt19937 random(GetParam().seed);
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto now = [&] { return Moment{game.toBytes(), console.state()}; };
    // The other moment of each change: before it while done, after it while undone.
    std::vector<Moment> done, undone;

    for (int i = 0; i < GetParam().actions; ++i) {
        SCOPED_TRACE(i);
        Game recounted = game;  // the scores follow every step
        for (const bool side : {true, false}) recounted.setEvents(side, game.events(side));
        ASSERT_EQ(game.homeScore(), recounted.homeScore());
        ASSERT_EQ(game.visitorScore(), recounted.visitorScore());
        const bool home = pick(2) == 0;
        const int slot = 1 + pick(5);
        const Moment before = now();
        ChangeOutcome outcome;
        const int action = pick(14);
        switch (action) {
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
            default: {
                const bool undo = action < 11;
                std::vector<Moment>& from = undo ? done : undone;
                ASSERT_EQ(undo ? console.undo() : console.redo(), !from.empty());
                if (from.empty()) break;
                ASSERT_EQ(game.toBytes(), from.back().bytes);
                ASSERT_EQ(console.state(), from.back().state);
                from.pop_back();
                (undo ? undone : done).push_back(before);
                continue;
            }
        }
        if (outcome) {
            done.push_back(before);
            undone.clear();
        } else {
            ASSERT_EQ(game.toBytes(), before.bytes);  // nothing changed, nothing kept
        }
    }
    while (console.undo()) {}
    EXPECT_EQ(game.toBytes(), opening);
}

const RandomRun kRuns[] = {{"ShortRun", 7, 60}, {"LongRun", 2024, 600}, {"ManyUndos", 99, 300}, {"OtherSeed", 31337, 400}};

INSTANTIATE_TEST_SUITE_P(Console, RandomChanges, ::testing::ValuesIn(kRuns),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace courtlog::scoring
