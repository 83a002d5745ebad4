#include "core/scoring/PlayChoice.h"

#include "core/records/Codes.h"

namespace courtlog::scoring {

namespace {

constexpr int kClick = 601, kKind = 603, kMissed = 607;

constexpr std::array<PlayChoice, kPlayChoiceCount> kChoices{{
    {"Shot Made", "&2-Pointer", Shot, TwoPointMade, kClick, FollowUp::Assist},
    {"Shot Made", "&3-Pointer", Shot, ThreePointMade, kClick, FollowUp::Assist},
    {"Shot Made", "Free &Throw", Shot, FreeThrowMade, kClick, FollowUp::None},
    {"Shot Missed", "2&-Missed", Shot, TwoPointMissed, kMissed, FollowUp::Rebound},
    {"Shot Missed", "3-&Missed", Shot, ThreePointMissed, kMissed, FollowUp::Rebound},
    {"Shot Missed", "Free Thro&w", Shot, FreeThrowMissed, kMissed, FollowUp::None},
    {"Foul", "&Offensive", Foul, OffensiveFoul, kKind, FollowUp::None},
    {"Foul", "&Defensive", Foul, DefensiveFoul, kKind, FollowUp::None},
    {"Rebound", "Offe&nsive", Rebound, OffensiveRebound, kClick, FollowUp::None},
    {"Rebound", "D&efensive", Rebound, DefensiveRebound, kClick, FollowUp::None},
    {"Technical", "On Pla&yer", TechnicalFoul, PlayerTechnical, kKind, FollowUp::None},
    {"Technical", "On Benc&h", TechnicalFoul, TechnicalOnBench, kKind, FollowUp::None},
    {"Goal Tending", "O&ffensive", GoalTend, OffensiveGoalTend, kKind, FollowUp::None},
    {"Goal Tending", "Defensi&ve", GoalTend, DefensiveGoalTend, kKind, FollowUp::None},
    {"Other", "&Steal", Steal, 0, kClick, FollowUp::Steal},
    {"Other", "&Assist", Assist, 0, kClick, FollowUp::None},
    {"Other", "&Jump Ball", JumpBall, 0, kClick, FollowUp::None},
    {"Other", "Bloc&ked Shot", BlockedShot, 0, kClick, FollowUp::None},
    {"Turnover", "Travellin&g", Turnover, Travel, kKind, FollowUp::None},
    {"Turnover", "Do&uble Dribble", Turnover, DoubleDribble, kKind, FollowUp::None},
    {"Turnover", "Bad &Pass", Turnover, BadPass, kKind, FollowUp::None},
    {"Turnover", "3 Secs in &Lane", Turnover, LaneViolation, kKind, FollowUp::None},
    {"Turnover", "Shot &Clock Expired", Turnover, ClockViolation, kKind, FollowUp::None},
    {"Turnover", "Palm&/Carry", Turnover, Palming, kKind, FollowUp::None},
    {"Turnover", "Back Cou&rt", Turnover, BackCourt, kKind, FollowUp::None},
    {"Turnover", "Lost Ball - &x", Turnover, LostBall, kKind, FollowUp::None},
    {"Turnover", "&Inbound Violation", Turnover, InboundViolation, kKind, FollowUp::None},
    {"Turnover", "Out of &Bounds", Turnover, OutOfBounds, kKind, FollowUp::None},
    {"Turnover", "Other  - &z", Turnover, OtherTurnover, kKind, FollowUp::None},
}};

}  // namespace

bool PlayChoice::isFieldGoalAttempt() const {
    return kind == Shot && (subKind == TwoPointMade || subKind == ThreePointMade || subKind == TwoPointMissed ||
                            subKind == ThreePointMissed);
}

const std::array<PlayChoice, kPlayChoiceCount>& playChoices() { return kChoices; }

void applyChoice(const PlayChoice& choice, PlayEvent& play) {
    play.kind = static_cast<std::int16_t>(choice.kind);
    play.shotResult = play.foulKind = play.technicalKind = play.reboundKind = play.goalTendKind =
        play.turnoverKind = 0;
    const auto sub = static_cast<std::int16_t>(choice.subKind);
    switch (choice.kind) {
        case Shot: play.shotResult = sub; break;
        case Foul: play.foulKind = sub; break;
        case TechnicalFoul: play.technicalKind = sub; break;
        case Rebound: play.reboundKind = sub; break;
        case GoalTend: play.goalTendKind = sub; break;
        case Turnover: play.turnoverKind = sub; break;
        default: break;
    }
}

}  // namespace courtlog::scoring
