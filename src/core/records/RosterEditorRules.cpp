#include "core/records/RosterEditorRules.h"

#include <algorithm>

#include "core/records/Codes.h"

namespace courtlog {

namespace {

bool isBlankText(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The roster index chosen in the list of slot, when it is a player.
int chosenFor(const std::vector<Player>& players, const LineupChoices& chosen, int slot) {
    const int index = chosen[static_cast<std::size_t>(slot - 1)];
    return index >= 0 && index < static_cast<int>(players.size()) ? index : -1;
}

}  // namespace

std::string rosterListText(const Player& player) {
    return uniformText(player.number, UniformPadding::Zero) + " - " + player.name + ", " +
           std::string(positionLetter(player.position));
}

void addSlotsFromLineup(std::vector<Player>& players, const LineupChoices& chosen) {
    // In slot order, so a player chosen in two lists ends with the higher slot.
    for (int slot = 1; slot <= static_cast<int>(chosen.size()); ++slot) {
        if (const int index = chosenFor(players, chosen, slot); index >= 0)
            players[static_cast<std::size_t>(index)].courtSlot = static_cast<std::int16_t>(slot);
    }
}

void setSlotsFromLineup(std::vector<Player>& players, const LineupChoices& chosen) {
    for (Player& player : players) player.courtSlot = 0;
    addSlotsFromLineup(players, chosen);
}

void updatePlayerFromLineup(std::vector<Player>& players, int index, Player updated, const LineupChoices& chosen) {
    if (index < 0 || index >= static_cast<int>(players.size())) return;
    setSlotsFromLineup(players, chosen);
    updated.playedInPeriod = {};
    updated.courtSlot = 0;
    for (int slot = 1; slot <= static_cast<int>(chosen.size()); ++slot) {
        if (chosen[static_cast<std::size_t>(slot - 1)] == index) {
            updated.courtSlot = static_cast<std::int16_t>(slot);
            break;
        }
    }
    players[static_cast<std::size_t>(index)] = std::move(updated);
}

bool entryPending(const Player* shown, const TypedEntry& typed) {
    if (!shown) return !isBlankText(typed.name) || !isBlankText(typed.number);
    const int shownPosition = shown->position >= 0 && shown->position <= 3 ? shown->position : -1;
    return typed.name != shown->name || typed.number != uniformText(shown->number) ||
           typed.position != shownPosition;
}

}  // namespace courtlog
