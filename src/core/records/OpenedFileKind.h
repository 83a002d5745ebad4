#pragma once

#include <string_view>

namespace courtlog {

// What a file handed to the program (on the command line, dropped on the
// main window, double-clicked in a file manager) is taken for, by its
// extension in any case: a game, a team, a schedule, a roster to import.
enum class OpenedFileKind { Game, Team, Schedule, Roster, Unknown };

OpenedFileKind openedFileKind(std::string_view path);

}  // namespace courtlog
