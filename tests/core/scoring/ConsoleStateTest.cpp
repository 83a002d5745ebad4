#include <gtest/gtest.h>

#include "RecordBuilders.h"
#include "core/scoring/ConsoleCommands.h"
#include "core/scoring/ConsoleState.h"

namespace courtlog::scoring {
namespace {

using Place = CourtPrompt::Place;

struct PromptCase {
    const char* what;
    PendingPrompts pending;
    std::vector<CourtPrompt> shown;
};

void PrintTo(const PromptCase& c, std::ostream* out) { *out << c.what; }

PendingPrompts assist(bool byHome) {
    PendingPrompts p;
    p.assist = true;
    p.lastPlayByHome = byHome;
    return p;
}

PendingPrompts steal(bool byHome, bool lastPlayByHome) {
    PendingPrompts p;
    p.steal = true;
    p.stealByHome = byHome;
    p.lastPlayByHome = lastPlayByHome;
    return p;
}

PendingPrompts everything() {
    PendingPrompts p = steal(false, true);
    p.assist = p.rebound = p.homeSubstitution = p.visitorSubstitution = true;
    return p;
}

class CourtPrompts : public ::testing::TestWithParam<PromptCase> {};

TEST_P(CourtPrompts, SayWhoIsToAnswerOnWhoseHalf) { EXPECT_EQ(courtPrompts(GetParam().pending), GetParam().shown); }

const PromptCase kPromptCases[] = {
    {"NothingPending", {}, {}},
    {"AssistAfterAHomeShot", assist(true), {{Place::HomeHalf, "Assist To"}}},
    {"AssistAfterAVisitorShot", assist(false), {{Place::VisitorHalf, "Assist To"}}},
    {"HomeStealAsksTheVisitors", steal(true, true), {{Place::VisitorHalf, "Stolen From"}}},
    // A later home play does not move the question of a visitors' steal.
    {"VisitorStealAsksHomeAfterAHomePlay", steal(false, true), {{Place::HomeHalf, "Stolen From"}}},
    {"EverythingInDrawingOrder",
     everything(),
     {{Place::HomeHalf, "Sub Who?"},
      {Place::VisitorHalf, "Sub Who?"},
      {Place::HomeHalf, "Assist To"},
      {Place::HomeHalf, "Stolen From"},
      {Place::WholeCourt, "Rebounded By"}}},
};

INSTANTIATE_TEST_SUITE_P(Console, CourtPrompts, ::testing::ValuesIn(kPromptCases),
                         [](const auto& info) { return std::string(info.param.what); });

struct DescriptionCase {
    const char* what;
    PlayEvent play;
    const char* words;
};

void PrintTo(const DescriptionCase& c, std::ostream* out) { *out << c.what; }

class PlayDescriptions : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(PlayDescriptions, NameThePlayAndWhoMadeIt) {
    EXPECT_EQ(playDescription(GetParam().play, "Hawks"), GetParam().words);
}

using testing::play;

const DescriptionCase kDescriptionCases[] = {
    {"MadeTwo", play("Marsh", Shot, TwoPointMade, 0, 3), "2 pointer made, #3 Marsh"},
    {"MissedFreeThrowByDoubleZero", play("Lee", Shot, FreeThrowMissed, 0, -1), "Free throw missed, #00 Lee"},
    {"DefensiveRebound", play("Lee", Rebound, DefensiveRebound, 0, 12), "Defensive rebound, #12 Lee"},
    {"LostBall", play("Kay", Turnover, LostBall, 0, 7), "Turnover: lost ball, #7 Kay"},
    {"FoulOfNoKind", play("Kay", Foul, NoFoul, 0, 7), "Foul, #7 Kay"},
    {"TimeOutNamesTheTeam", testing::timeOut(), "Time out, Hawks"},
};

INSTANTIATE_TEST_SUITE_P(Console, PlayDescriptions, ::testing::ValuesIn(kDescriptionCases),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace courtlog::scoring
