#pragma once

#include <string>
#include <vector>

#include "core/ProgramInfo.h"

namespace courtlog::scoring {

// The follow-up questions and substitutions waiting for the next click.
struct PendingPrompts {
    bool homeSubstitution = false;
    bool visitorSubstitution = false;
    int homeBenchChoice = -1;  // roster index behind the chosen bench line
    int visitorBenchChoice = -1;
    bool steal = false;
    bool assist = false;
    bool rebound = false;
    bool stealByHome = false;
    bool lastPlayByHome = false;
    bool operator==(const PendingPrompts&) const = default;
};

// The console's own state beside the game: what waits for the next click,
// the prompt line in the title bar and which end each team plays. Undo puts
// it back with the game, so a question taken back with its play returns.
struct ConsoleState {
    PendingPrompts pending;
    std::string title = kProgramTitle;
    bool sidesSwapped = false;
    bool operator==(const ConsoleState&) const = default;
};

// A question drawn in red on the court, on the half of the team that is to
// answer it or across the whole court.
struct CourtPrompt {
    enum class Place { HomeHalf, VisitorHalf, WholeCourt };
    Place place = Place::WholeCourt;
    std::string text;
    bool operator==(const CourtPrompt&) const = default;
};

// What the court shows for the pending prompts, in drawing order: "Sub Who?"
// on the half of each team choosing a substitute, "Assist To" on the half of
// the team that shot, "Stolen From" on the half of the team that lost the
// ball, "Rebounded By" across the court.
std::vector<CourtPrompt> courtPrompts(const PendingPrompts& pending);

}  // namespace courtlog::scoring
