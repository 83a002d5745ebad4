#include "core/scoring/EventEditing.h"

#include <vector>

#include "core/records/Codes.h"
#include "core/scoring/ShotSpot.h"

namespace courtlog::scoring {

namespace {

using TextOf = std::string_view (*)(int);

// The sub-kind texts of kind and how many there are.
struct SubKindTable {
    TextOf text = nullptr;
    int count = 0;
};

SubKindTable subKindTable(int kind) {
    switch (kind) {
    case Shot:
        return {shotResultText, 7};
    case Foul:
        return {foulKindText, 4};
    case TechnicalFoul:
        return {technicalKindText, 4};
    case Rebound:
        return {reboundKindText, 3};
    case GoalTend:
        return {goalTendKindText, 3};
    case Turnover:
        return {turnoverKindText, 12};
    default:
        return {};
    }
}

std::int16_t* subKindField(PlayEvent& event, int kind) {
    switch (kind) {
    case Shot:
        return &event.shotResult;
    case Foul:
        return &event.foulKind;
    case TechnicalFoul:
        return &event.technicalKind;
    case Rebound:
        return &event.reboundKind;
    case GoalTend:
        return &event.goalTendKind;
    case Turnover:
        return &event.turnoverKind;
    default:
        return nullptr;
    }
}

bool inRange(int value, int count) { return value >= 0 && value < count; }

}  // namespace

std::vector<std::string> eventKindNames() {
    std::vector<std::string> names;
    for (int kind = 0; kind < kEventKindChoices; ++kind) names.emplace_back(eventKindText(kind));
    return names;
}

std::vector<std::string> subKindNames(int kind) {
    const SubKindTable table = subKindTable(kind);
    std::vector<std::string> names;
    for (int code = 0; code < table.count; ++code) names.emplace_back(table.text(code));
    return names;
}

int subKindCount(int kind) { return subKindTable(kind).count; }

std::vector<std::string> periodNames(bool halves) {
    std::vector<std::string> names;
    for (int period = 0; period < kPeriodChoices; ++period) names.push_back(periodName(period, halves));
    return names;
}

int subKindOf(const PlayEvent& event) {
    PlayEvent copy = event;
    const std::int16_t* field = subKindField(copy, event.kind);
    return field ? *field : 0;
}

bool isTimeOutKind(int kind) { return kind == TimeOut || kind == ShortTimeOut; }

std::string eventLine(const PlayEvent& event, bool halves) {
    const std::string period = periodName(event.period, halves);
    const std::string kind(eventKindText(event.kind));
    if (isTimeOutKind(event.kind)) return period + " - " + kind;
    std::string line = period + " " + uniformText(event.player.number, UniformPadding::Blank) + " - " +
                       event.player.name + ", " + kind;
    if (event.kind == Assist || event.kind == Steal || event.kind == BlockedShot) return line;
    return line + ", " + std::string(subKindText(event));
}

std::string rosterLine(const Player& player) {
    return uniformText(player.number) + " - " + player.name;
}

EventChoice choiceShowing(const PlayEvent& event, const Roster& roster, int previousPlayer) {
    EventChoice choice;
    choice.player = previousPlayer;
    if (!isTimeOutKind(event.kind)) {
        for (int i = 0; i < roster.playerCount(); ++i) {
            if (roster.players[static_cast<std::size_t>(i)].name == event.player.name) {
                choice.player = i;
                break;
            }
        }
    }
    choice.kind = inRange(event.kind, kEventKindChoices) ? event.kind : -1;
    const int subKind = subKindOf(event);
    choice.subKind = choice.kind >= 0 && inRange(subKind, subKindCount(choice.kind)) ? subKind : -1;
    choice.period = inRange(event.period, kPeriodChoices) ? event.period : -1;
    return choice;
}

UpdateResult updateEvent(PlayEvent& event, const EventChoice& choice, const Roster& roster) {
    UpdateResult result;
    const bool kindChosen = inRange(choice.kind, kEventKindChoices);
    const bool playerChosen = inRange(choice.player, roster.playerCount());

    std::vector<std::string> missing;
    if (!kindChosen) missing.push_back("an Event Type");
    if (kindChosen && subKindCount(choice.kind) > 0 && !inRange(choice.subKind, subKindCount(choice.kind)))
        missing.push_back("a Sub Type");
    if (!inRange(choice.period, kPeriodChoices)) missing.push_back("a Quarter");
    // A time out has no player; a play made into anything else needs one.
    if (kindChosen && choice.kind != NoEvent && !isTimeOutKind(choice.kind) && !playerChosen &&
        event.player.name.empty())
        missing.push_back("a Player");
    if (!missing.empty()) {
        std::string list;
        for (std::size_t i = 0; i < missing.size(); ++i) {
            if (i > 0) list += i + 1 == missing.size() ? " and " : ", ";
            list += missing[i];
        }
        result.message = "Select " + list + " to update this event.";
        return result;
    }

    if (isTimeOutKind(choice.kind)) {
        event.player.name.clear();
        event.player.number = 0;
        event.player.position = 0;
        event.player.courtSlot = 0;
    } else if (playerChosen) {
        event.player = roster.players[static_cast<std::size_t>(choice.player)];
    }
    event.kind = static_cast<std::int16_t>(choice.kind);
    event.period = static_cast<std::int16_t>(choice.period);
    event.shotResult = event.foulKind = event.technicalKind = 0;
    event.reboundKind = event.goalTendKind = event.turnoverKind = 0;
    if (std::int16_t* field = subKindField(event, choice.kind)) *field = static_cast<std::int16_t>(choice.subKind);

    result.updated = true;
    result.askShotPoint = event.kind == Shot && isFieldGoalAttempt(event.shotResult);
    return result;
}

bool purgeDeletedPlays(std::vector<PlayEvent>& plays) {
    return std::erase_if(plays, [](const PlayEvent& play) { return play.kind == NoEvent; }) > 0;
}

bool deletePlay(std::vector<PlayEvent>& plays, int row) {
    if (!inRange(row, static_cast<int>(plays.size()))) return false;
    plays[static_cast<std::size_t>(row)].kind = NoEvent;
    purgeDeletedPlays(plays);
    return true;
}

}  // namespace courtlog::scoring
