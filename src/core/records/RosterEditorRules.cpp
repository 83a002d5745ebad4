#include "core/records/RosterEditorRules.h"

#include <algorithm>

#include "core/records/Codes.h"
#include "core/records/UniformNumber.h"
#include "core/records/PlayerEntry.h"

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
    // Uniform 0 is "0", never padded to the "00" of the uniform 00.
    const std::string number =
        player.number == 0 ? std::string("0") : uniformText(player.number, UniformPadding::Zero);
    return number + " - " + player.name + ", " +
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
    // The number as a uniform: "07" is the 7 shown, "00" the uniform 00.
    const std::optional<int> typedNumber = parseUniform(typed.number);
    const bool sameNumber = typedNumber ? *typedNumber == (isDoubleZero(shown->number) ? kUniformDoubleZero : shown->number)
                                        : typed.number == uniformText(shown->number);
    return trimmedName(typed.name) != trimmedName(shown->name) || !sameNumber || typed.position != shownPosition;
}

RosterEnterAction rosterEnterAction(const Player* shown, const TypedEntry& typed) {
    if (!entryPending(shown, typed)) return RosterEnterAction::PressOk;
    return shown ? RosterEnterAction::UpdateShownPlayer : RosterEnterAction::AddPlayer;
}

int entryAfterAdding(int current, int playerCount) {
    const int next = current + 1;
    return next >= playerCount ? 0 : next;
}

}  // namespace courtlog
