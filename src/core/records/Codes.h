#pragma once

#include <string>
#include <string_view>

namespace courtlog {

struct PlayEvent;

enum EventKind : int {
    NoEvent = 0,
    Shot = 1,
    Assist = 2,
    Foul = 3,
    TechnicalFoul = 4,
    Steal = 5,
    Rebound = 6,
    JumpBall = 7,
    GoalTend = 8,
    Turnover = 9,
    BlockedShot = 10,
    TimeOut = 11,
    ShortTimeOut = 12,
};

enum ShotResult : int {
    NoShot = 0,
    TwoPointMade = 1,
    ThreePointMade = 2,
    FreeThrowMade = 3,
    TwoPointMissed = 4,
    ThreePointMissed = 5,
    FreeThrowMissed = 6,
};

enum FoulKind : int { NoFoul = 0, OffensiveFoul = 1, DefensiveFoul = 2, LooseBallFoul = 3 };
enum TechnicalKind : int { NoTechnical = 0, TechnicalOnBench = 1, PlayerTechnical = 2, OtherTechnical = 3 };
enum ReboundKind : int { NoRebound = 0, OffensiveRebound = 1, DefensiveRebound = 2 };
enum GoalTendKind : int { NoGoalTend = 0, OffensiveGoalTend = 1, DefensiveGoalTend = 2 };
enum TurnoverKind : int {
    NoTurnover = 0,
    Travel = 1,
    DoubleDribble = 2,
    BadPass = 3,
    LaneViolation = 4,
    ClockViolation = 5,
    Palming = 6,
    BackCourt = 7,
    LostBall = 8,
    InboundViolation = 9,
    OutOfBounds = 10,
    OtherTurnover = 11,
};

// Display texts. Any value outside a table gives an empty text, except
// positionText and courtSlotText which fall back to "Bench" / "Not a Starter".
std::string_view positionText(int position);
std::string_view positionLetter(int position);
std::string_view courtSlotText(int slot);
std::string_view eventKindText(int kind);
std::string_view shotResultText(int result);
int shotPoints(int result);
std::string_view foulKindText(int kind);
std::string_view technicalKindText(int kind);
std::string_view reboundKindText(int kind);
std::string_view goalTendKindText(int kind);
std::string_view turnoverKindText(int kind);
std::string_view subKindText(const PlayEvent& event);

// "1st", "2nd", ... "OT1".."OT9", "OT"; halves fold 1 -> "1st", 2/3 -> "2nd".
std::string periodName(int period, bool halves);
// "st", "nd", "rd", "th" as used for "1st" .. "15th".
std::string_view ordinalSuffix(int n);

// Case-insensitive name conversions used by the roster imports.
// positionFromName also accepts "1", "2", "3"; anything else gives 0.
int positionFromName(std::string_view text);
int courtSlotFromName(std::string_view text);

}  // namespace courtlog
