#include "core/records/Codes.h"

#include <array>
#include <cctype>

#include "core/records/Game.h"

namespace courtlog {

namespace {

template <std::size_t N>
std::string_view pick(const std::array<std::string_view, N>& table, int value) {
    if (value < 0 || static_cast<std::size_t>(value) >= N) return {};
    return table[static_cast<std::size_t>(value)];
}

constexpr std::array<std::string_view, 4> kPositions{"Bench", "Guard", "Center", "Forward"};
constexpr std::array<std::string_view, 4> kPositionLetters{"B", "G", "C", "F"};
constexpr std::array<std::string_view, 6> kCourtSlots{"Not a Starter", "Guard 1",   "Guard 2",
                                                      "Center",        "Forward 1", "Forward 2"};
constexpr std::array<std::string_view, 13> kEventKinds{
    "No Event",  "Shot",      "Assist",   "Foul",         "Technical Foul", "Steal",          "Rebound",
    "Jump Ball", "Goal Tend", "Turnover", "Blocked Shot", "Time Out",       "20-Sec Time Out"};
constexpr std::array<std::string_view, 7> kShotResults{
    "No Shot",          "Two Point Made",     "Three Point Made", "Free Throw Made",
    "Two Point Missed", "Three Point Missed", "Free Throw Missed"};
constexpr std::array<int, 7> kShotPoints{0, 2, 3, 1, 0, 0, 0};
constexpr std::array<std::string_view, 4> kFoulKinds{"No Foul", "Offensive Foul", "Defensive Foul",
                                                     "Loose Ball Foul"};
constexpr std::array<std::string_view, 4> kTechnicalKinds{"No Technical", "Technical On Bench",
                                                          "Player Technical", "Other Technical"};
constexpr std::array<std::string_view, 3> kReboundKinds{"No Rebound", "Offensive Rebound",
                                                        "Defensive Rebound"};
constexpr std::array<std::string_view, 3> kGoalTendKinds{"No Goal Tend", "Offensive Goal Tend",
                                                         "Defensive Goal Tend"};
constexpr std::array<std::string_view, 12> kTurnoverKinds{
    "No Turnover", "Travel",     "Double Dribble", "Bad Pass",          "Lane Violation", "Clock Violation",
    "Palming",     "Back Court", "Lost Ball",      "Inbound Violation", "Out Of Bounds",  "Other Turnover"};

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace

std::string_view positionText(int position) {
    // Anything that is not a playing position is shown as the bench.
    if (position < 1 || position > 3) return kPositions[0];
    return kPositions[static_cast<std::size_t>(position)];
}

std::string_view positionLetter(int position) { return pick(kPositionLetters, position); }

std::string_view courtSlotText(int slot) {
    if (slot < 1 || slot > 5) return kCourtSlots[0];
    return kCourtSlots[static_cast<std::size_t>(slot)];
}

std::string_view eventKindText(int kind) { return pick(kEventKinds, kind); }
std::string_view shotResultText(int result) { return pick(kShotResults, result); }

int shotPoints(int result) {
    if (result < 0 || result >= static_cast<int>(kShotPoints.size())) return 0;
    return kShotPoints[static_cast<std::size_t>(result)];
}

std::string_view foulKindText(int kind) { return pick(kFoulKinds, kind); }
std::string_view technicalKindText(int kind) { return pick(kTechnicalKinds, kind); }
std::string_view reboundKindText(int kind) { return pick(kReboundKinds, kind); }
std::string_view goalTendKindText(int kind) { return pick(kGoalTendKinds, kind); }
std::string_view turnoverKindText(int kind) { return pick(kTurnoverKinds, kind); }

std::string_view subKindText(const PlayEvent& event) {
    switch (event.kind) {
        case Shot:
            return shotResultText(event.shotResult);
        case Foul:
            return foulKindText(event.foulKind);
        case TechnicalFoul:
            return technicalKindText(event.technicalKind);
        case Rebound:
            return reboundKindText(event.reboundKind);
        case GoalTend:
            return goalTendKindText(event.goalTendKind);
        case Turnover:
            return turnoverKindText(event.turnoverKind);
        default:
            return {};
    }
}

std::string periodName(int period, bool halves) {
    switch (period) {
        case 0:
            return "1st";
        case 1:
            return halves ? "1st" : "2nd";
        case 2:
            return halves ? "2nd" : "3rd";
        case 3:
            return halves ? "2nd" : "4th";
        default:
            break;
    }
    if (period >= 4 && period <= 12) return "OT" + std::to_string(period - 3);
    return "OT";
}

std::string_view ordinalSuffix(int n) {
    // 21st, 22nd, 31st ... while 11th, 12th and 13th keep "th".
    if (n > 20) {
        n -= 20;
        while (n > 10) n -= 10;
    }
    switch (n) {
        case 1:
            return "st";
        case 2:
            return "nd";
        case 3:
            return "rd";
        default:
            return "th";
    }
}

int positionFromName(std::string_view text) {
    for (int i = 0; i < static_cast<int>(kPositions.size()); ++i) {
        if (equalsIgnoreCase(text, kPositions[static_cast<std::size_t>(i)])) return i;
    }
    if (text == "1") return 1;
    if (text == "2") return 2;
    if (text == "3") return 3;
    return 0;
}

int courtSlotFromName(std::string_view text) {
    for (int i = 1; i < static_cast<int>(kCourtSlots.size()); ++i) {
        if (equalsIgnoreCase(text, kCourtSlots[static_cast<std::size_t>(i)])) return i;
    }
    return 0;
}

}  // namespace courtlog
