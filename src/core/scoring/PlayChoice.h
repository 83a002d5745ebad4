#pragma once

#include <array>
#include <string_view>

#include "core/records/Game.h"

namespace courtlog::scoring {

// The question a play leaves on the console for the next player click.
enum class FollowUp { None, Assist, Rebound, Steal };

// One choice of the event dialog and the play it records.
struct PlayChoice {
    std::string_view group;    // group box caption
    std::string_view caption;  // button caption with its access key
    int kind = 0;              // EventKind
    int subKind = 0;           // value of the kind's one sub-kind field
    int sound = 601;           // played when the choice is recorded
    FollowUp followUp = FollowUp::None;

    // Made or missed two or three: the play has a shot spot.
    bool isFieldGoalAttempt() const;
};

inline constexpr int kPlayChoiceCount = 29;

// The choices in dialog order: Shot Made, Shot Missed, Foul, Rebound,
// Technical, Goal Tending, Other, Turnover.
const std::array<PlayChoice, kPlayChoiceCount>& playChoices();

// Writes kind and the sub-kind field the choice names into play; every other
// sub-kind field becomes 0.
void applyChoice(const PlayChoice& choice, PlayEvent& play);


}  // namespace courtlog::scoring
