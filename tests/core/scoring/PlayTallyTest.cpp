// The running counts kept beside the game (the console's figures and bench
// lists, the team sheets, the viewers' statistics, the file image) against a
// full recount after every step of random sequences of plays, prompt
// answers, substitutions, time outs, period changes, undo, redo, event
// edits, players added and renamed, and league changes.
#include <gtest/gtest.h>

#include <random>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/records/Codes.h"
#include "core/output/BoxScore.h"
#include "core/scoring/ConsoleCommands.h"
#include "core/scoring/GameConsole.h"
#include "core/stats/GameStatTally.h"
#include "core/stats/StatisticsSets.h"

using namespace courtlog;
using namespace courtlog::scoring;

namespace {

// An event editor's change: one play deleted, turned into a foul or a time
// out, moved to another period or given to another player.
std::vector<PlayEvent> editedList(std::vector<PlayEvent> list, bool home, std::mt19937& random) {
    if (list.empty()) return list;
    const auto at = std::uniform_int_distribution<std::size_t>(0, list.size() - 1)(random);
    PlayEvent& play = list[at];
    switch (random() % 4) {
        case 0: list.erase(list.begin() + static_cast<std::ptrdiff_t>(at)); break;
        case 1: play.kind = random() % 2 ? Foul : TimeOut; break;
        case 2: play.period = static_cast<std::int16_t>(random() % 6); break;
        default: play.player.name = (home ? "H" : "V") + std::to_string(1 + random() % 7); break;
    }
    return list;
}

struct TallyCase {
    std::string what;
    unsigned seed;
    bool halves;
};

void PrintTo(const TallyCase& c, std::ostream* os) { *os << c.what; }

class TalliedFigures : public ::testing::TestWithParam<TallyCase> {};

// Every kept figure of one side equals the same figure counted from the plays.
void expectKeptEqualsRecount(GameConsole& console, const stats::GameStatTally& kept,
                             output::BoxScore& keptBoxScore, int step) {
    const Game& game = console.game();
    const LeagueOptions& league = console.league();
    for (const bool side : {true, false}) {
        SCOPED_TRACE(::testing::Message() << "step " << step << ", " << (side ? "home" : "visitor"));
        ASSERT_EQ(console.teamFigures(side), teamConsoleFigures(game, side, league));
        ASSERT_EQ(console.bench(side), benchEntries(game, side, league));
        ASSERT_EQ(console.sheetFigures(side), teamSheetFigures(game, side));
        for (int period = -1; period < 8; ++period)
            ASSERT_EQ(kept.points(side, period),
                      side ? game.homePointsInPeriod(period) : game.visitorPointsInPeriod(period));
    }
    ASSERT_EQ(console.fileImage().bytes(), game.toBytes()) << "step " << step;
    // The box score and the statistics viewer's sets, kept and read afresh.
    keptBoxScore.recompute();
    ASSERT_EQ(keptBoxScore.textLines(), output::BoxScore(game).textLines()) << "step " << step;
    for (const bool visitorsPicked : {false, true}) {
        Stat selection;
        selection.setTeamName(visitorsPicked ? game.visitorName : game.homeName);
        stats::StatisticsSets counted(selection), recounted(selection);
        counted.compute(game, kept);
        recounted.compute(game);
        for (const stats::StatisticsTab tab : counted.tabs())
            ASSERT_EQ(counted.lines(tab), recounted.lines(tab)) << "step " << step;
    }
}

TEST_P(TalliedFigures, EqualAFullRecountAfterEveryStep) {
    std::mt19937 random(GetParam().seed);
    Game game = courtlog::testing::sevenASide(GetParam().halves);
    game.homeName = game.home.name = "Hawks";
    game.visitorName = game.visitor.name = "Owls";
    LeagueOptions league;
    league.foulOutAfter = 3;
    league.foulTroubleAfter = 2;
    league.bonusAfter = 2;
    league.doubleBonusAfter = 4;
    league.halves = GetParam().halves;
    GameConsole console(game, league);
    // What the viewers beside the console keep, told of every change.
    stats::GameStatTally kept;
    kept.recount(game);
    output::BoxScore keptBoxScore(game);
    keptBoxScore.countFrom(&kept);
    const auto& choices = playChoices();

    for (int step = 0; step < 600; ++step) {
        const bool home = random() % 2;
        const int slot = 1 + static_cast<int>(random() % 5);
        switch (random() % 14) {
            case 0: console.takeTimeOut(home, random() % 2); break;
            case 1: random() % 3 ? console.periodUp() : console.periodDown(); break;
            case 2: console.undo(); break;
            case 3: console.redo(); break;
            case 4:
                console.perform(home ? playListsCommand(editedList(game.homeEvents(), true, random), {}, "Edit")
                                     : playListsCommand({}, editedList(game.visitorEvents(), false, random), "Edit"));
                break;
            case 5:
                league.bonusPerQuarter = random() % 2;
                league.doubleBonusPerQuarter = random() % 2;
                league.fullTimeOutsPerHalf = random() % 2;
                league.halves = random() % 4 == 0;
                console.leagueOptionsChanged();
                break;
            case 6: console.addPlayer(home, courtlog::testing::player((home ? "H" : "V") + std::to_string(8 + step), step % 90)); break;
            case 7: {
                std::vector<Player> edited = (home ? game.home : game.visitor).players;
                edited[random() % edited.size()].name = (home ? "H" : "V") + std::to_string(1 + random() % 9);
                home ? console.editPlayers(edited, std::nullopt) : console.editPlayers(std::nullopt, edited);
                break;
            }
            case 8:
                // A prompt answered or a bench player brought in.
                if (random() % 2) console.chooseBenchPlayer(home, static_cast<int>(random() % 7));
                console.clickPlayer(home, slot);
                break;
            default: {
                const PlayChoice& choice = choices[random() % choices.size()];
                console.recordPlay(home, slot, choice, defaultShotSpot(choice.subKind));
            }
        }
        kept.follow(game, console.lastChange());
        expectKeptEqualsRecount(console, kept, keptBoxScore, step);
        if (::testing::Test::HasFatalFailure()) return;
    }
    // The sequences reach what the counts are for.
    EXPECT_GT(game.homeEvents().size() + game.visitorEvents().size(), 100u);
}

INSTANTIATE_TEST_SUITE_P(RandomSequences, TalliedFigures,
                         ::testing::Values(TallyCase{"quarters, seed 1", 1, false}, TallyCase{"quarters, seed 2", 2, false},
                                           TallyCase{"halves, seed 3", 3, true}, TallyCase{"halves, seed 4", 4, true}),
                         courtlog::testing::NameFromWhat());

}  // namespace
