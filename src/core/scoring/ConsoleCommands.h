#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/records/Game.h"
#include "core/scoring/ConsoleCommand.h"

// The kinds of change the game console makes, each as a ConsoleCommand.
// `after` is the console state a change leaves (none: as it finds it).
namespace courtlog::scoring {

// Appends play to one team's list: a play chosen in the event dialog, a
// prompt's answer or a time out. With markPlayers the team's players on
// court are first marked as having played in the play's period (the last
// mark stands for every later overtime). Refused when the list is full.
std::unique_ptr<ConsoleCommand> addPlayCommand(bool home, const PlayEvent& play, bool markPlayers,
                                               std::string description, std::optional<ConsoleState> after);

// Puts a team's roster as a substitution leaves it (slots and positions).
std::unique_ptr<ConsoleCommand> lineupCommand(bool home, std::vector<Player> players, std::string description,
                                              std::optional<ConsoleState> after);

// Puts a team's roster in place whole, players and their personal
// information (a player added during the game).
std::unique_ptr<ConsoleCommand> rosterCommand(bool home, Roster roster, std::string description);

// Renames and renumbers players as an edited copy of a team's roster says
// (entry by entry; none: the team stays), their plays with them.
std::unique_ptr<ConsoleCommand> renamePlayersCommand(std::optional<std::vector<Player>> homeEdited,
                                                     std::optional<std::vector<Player>> visitorEdited,
                                                     std::string description);

// Moves the game to period.
std::unique_ptr<ConsoleCommand> periodCommand(int period, std::string description,
                                              std::optional<ConsoleState> after);

// Changes the console state alone (swapping sides).
std::unique_ptr<ConsoleCommand> consoleStateCommand(std::string description, ConsoleState after);

// Puts in place edited play lists of either team (none: the list stays):
// what one closed event editor changed.
std::unique_ptr<ConsoleCommand> playListsCommand(std::optional<std::vector<PlayEvent>> homePlays,
                                                 std::optional<std::vector<PlayEvent>> visitorPlays,
                                                 std::string description);

// "#3 Marsh", "#00 Lee".
std::string playerWords(const Player& player);
// What a play was and who made it: "2 pointer made, #3 Marsh", "Turnover:
// lost ball, #7 Kay", or "Time out, Hawks" with the team's name for a play
// without a player.
std::string playDescription(const PlayEvent& play, const std::string& teamName);

}  // namespace courtlog::scoring
