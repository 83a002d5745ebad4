// The console's running counts against a full recount after every step of
// random sequences of plays, time outs, period changes, undo, redo, event
// edits and league changes.
#include <gtest/gtest.h>

#include <random>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/records/Codes.h"
#include "core/scoring/ConsoleCommands.h"
#include "core/scoring/GameConsole.h"

using namespace courtlog;
using namespace courtlog::scoring;

namespace {

// Home H1..H7 and visitor V1..V7; the first five of each on court.
Game twoTeams(bool halves) {
    Game game(halves);
    for (int i = 1; i <= 7; ++i) {
        Player h = courtlog::testing::player("H" + std::to_string(i), i, 1, i <= 5 ? i : 0);
        Player v = h;
        v.name = "V" + std::to_string(i);
        game.home.addPlayer(h, PersonalInfo::blank());
        game.visitor.addPlayer(v, PersonalInfo::blank());
    }
    return game;
}

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

TEST_P(TalliedFigures, EqualAFullRecountAfterEveryStep) {
    std::mt19937 random(GetParam().seed);
    Game game = twoTeams(GetParam().halves);
    LeagueOptions league;
    league.foulOutAfter = 3;
    league.foulTroubleAfter = 2;
    league.bonusAfter = 2;
    league.doubleBonusAfter = 4;
    GameConsole console(game, league);
    const auto& choices = playChoices();

    for (int step = 0; step < 600; ++step) {
        const bool home = random() % 2;
        switch (random() % 10) {
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
                console.leagueOptionsChanged();
                break;
            default: {
                const PlayChoice& choice = choices[random() % choices.size()];
                console.recordPlay(home, 1 + static_cast<int>(random() % 5), choice, defaultShotSpot(choice.subKind));
            }
        }
        for (const bool side : {true, false})
            ASSERT_EQ(console.teamFigures(side), teamConsoleFigures(game, side, league))
                << "step " << step << ", " << (side ? "home" : "visitor");
    }
    // The sequences reach what the counts are for.
    EXPECT_GT(game.homeEvents().size() + game.visitorEvents().size(), 100u);
}

INSTANTIATE_TEST_SUITE_P(RandomSequences, TalliedFigures,
                         ::testing::Values(TallyCase{"quarters, seed 1", 1, false}, TallyCase{"quarters, seed 2", 2, false},
                                           TallyCase{"halves, seed 3", 3, true}, TallyCase{"halves, seed 4", 4, true}),
                         courtlog::testing::NameFromWhat());

}  // namespace
