#include "core/scoring/ConsoleState.h"

namespace courtlog::scoring {

namespace {

CourtPrompt::Place halfOf(bool home) { return home ? CourtPrompt::Place::HomeHalf : CourtPrompt::Place::VisitorHalf; }

}  // namespace

std::vector<CourtPrompt> courtPrompts(const PendingPrompts& pending) {
    std::vector<CourtPrompt> prompts;
    if (pending.homeSubstitution) prompts.push_back({halfOf(true), "Sub Who?"});
    if (pending.visitorSubstitution) prompts.push_back({halfOf(false), "Sub Who?"});
    // The assist goes to a player of the team that shot, the last team to
    // record a play through the event dialog.
    if (pending.assist) prompts.push_back({halfOf(pending.lastPlayByHome), "Assist To"});
    // The ball was stolen from the team that did not make the steal.
    if (pending.steal) prompts.push_back({halfOf(!pending.stealByHome), "Stolen From"});
    if (pending.rebound) prompts.push_back({CourtPrompt::Place::WholeCourt, "Rebounded By"});
    return prompts;
}

}  // namespace courtlog::scoring
