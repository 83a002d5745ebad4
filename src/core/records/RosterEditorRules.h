#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/records/Player.h"

namespace courtlog {

// The roster editor's rules: how much of a typed name is kept, what the
// five starting-lineup lists make of the court slots, and when the entry
// fields hold something not yet in the roster.

// "Add Player" and OK keep 19 characters of a name (and so does adding a
// player during a game); "Update Player" keeps 24, the whole record field.
inline constexpr std::size_t kAddedNameChars = 19;
inline constexpr std::size_t kUpdatedNameChars = 24;
// What the entry fields take as typed.
inline constexpr int kTypedNameChars = 49;
inline constexpr int kTypedNumberChars = 9;

// A player's line in the roster list and the lineup lists: "07 - Jones, G"
// (number, name, position letter); "00 - ..." for the uniform 00 and
// "0 - ..." for the uniform 0.
std::string rosterListText(const Player& player);

// The lineup lists list every player in roster order: chosen[s - 1] is the
// roster index chosen in the list of slot s (1..5), -1 when none.
using LineupChoices = std::array<int, 5>;

// OK: every player's court slot from the lists. A player chosen in none
// gets 0; one chosen in two lists ends with the higher slot.
void setSlotsFromLineup(std::vector<Player>& players, const LineupChoices& chosen);
// Add Player: the players chosen in the lists take those slots; every other
// player keeps his.
void addSlotsFromLineup(std::vector<Player>& players, const LineupChoices& chosen);
// Update Player (and moving to another player): the player at index
// becomes updated, his played-in-period flags cleared; the slots come from
// the lists as on OK, except that he takes the lowest slot whose list has
// him.
void updatePlayerFromLineup(std::vector<Player>& players, int index, Player updated, const LineupChoices& chosen);

// The entry the editor holds after "Add Player" appended a player to a
// roster now of playerCount: the one after current (-1: none), back to the
// first past the last.
int entryAfterAdding(int current, int playerCount);

// What the entry fields hold: the name as record text, the number as typed
// and the position list's index (-1 for none).
struct TypedEntry {
    std::string name;
    std::string number;
    int position = -1;
};

// True while the fields hold a player that is not in the roster yet (shown
// is null: anything typed into the name or the number) or that differs from
// the player shown (his name exactly, his number as the field shows it,
// his position).
bool entryPending(const Player* shown, const TypedEntry& typed);

// What Enter in the entry fields does, as in most editors: with a player
// shown (selected in the list), Enter stores the changes made to him,
// whatever field was changed, his name too; with nobody shown ("Clear
// Data", or after a player was added), Enter adds the player typed.
// Nothing pending: Enter is OK.
enum class RosterEnterAction { PressOk, AddPlayer, UpdateShownPlayer };
RosterEnterAction rosterEnterAction(const Player* shown, const TypedEntry& typed);

}  // namespace courtlog
