#pragma once

#include <string>
#include <vector>

#include "core/records/Game.h"

namespace courtlog::scoring {

// What the event editor's lists offer.
inline constexpr int kEventKindChoices = 13;  // "No Event" .. "20-Sec Time Out"
inline constexpr int kPeriodChoices = 14;     // periods 0..13

std::vector<std::string> eventKindNames();
// Names of the sub-kinds of kind, by code; empty for kinds without any.
std::vector<std::string> subKindNames(int kind);
int subKindCount(int kind);
// "1st" .. "4th" (or "1st", "1st", "2nd", "2nd" in halves), "OT1" .. "OT9".
std::vector<std::string> periodNames(bool halves);

// The value of the sub-kind field that belongs to the event's kind; 0 for
// kinds without one.
int subKindOf(const PlayEvent& event);
bool isTimeOutKind(int kind);

// One line of the "Event:" list.
std::string eventLine(const PlayEvent& event, bool halves);
// One line of the "Player:" list: "12 - Name", or "00 - Name".
std::string rosterLine(const Player& player);

// Entries chosen in the editor's lists; -1 where nothing is chosen.
struct EventChoice {
    int player = -1;  // roster index
    int kind = -1;
    int subKind = -1;
    int period = -1;
    bool operator==(const EventChoice&) const = default;
};

// The entries that show event. Values outside their table show as nothing
// chosen; the player stays at previousPlayer for time outs and for names
// that match no roster player.
EventChoice choiceShowing(const PlayEvent& event, const Roster& roster, int previousPlayer);

struct UpdateResult {
    bool updated = false;
    std::string message;        // what to choose, when not updated
    bool askShotPoint = false;  // the event is now a two- or three-point try
};

// "&Update Event": stores the choice in event. A choice that leaves "Event
// Type:", "Quarter:" or a needed "Sub Type:" empty (or names a play without a
// player) changes nothing and says what to choose, so no event ever holds a
// code outside its table. The shot spot stays as it was.
UpdateResult updateEvent(PlayEvent& event, const EventChoice& choice, const Roster& roster);

// Removes every play marked "No Event", keeping the order of the others;
// false when there was none.
bool purgeDeletedPlays(std::vector<PlayEvent>& plays);
// "&Delete Event": marks the play at row "No Event" and purges the list
// (with it any play an update had marked). False for a row outside the list.
bool deletePlay(std::vector<PlayEvent>& plays, int row);

}  // namespace courtlog::scoring
