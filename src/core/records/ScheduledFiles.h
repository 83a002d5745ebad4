#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/Game.h"

namespace courtlog {

// The team and game files a schedule entry names. Their paths are kept in
// the entry as Windows-1252 text, like every record text; paths here are
// this platform's (UTF-8, '/' between folders).

// What goes into an entry's path field for path: the path itself, or nullopt
// when the field cannot hold it whole (too long, or a character
// Windows-1252 has no byte for). A cut or altered path would name another file.
std::optional<std::string> scheduleFieldForPath(std::string_view path);
// The path a field names.
std::string pathFromScheduleField(std::string_view field);

// A game an entry names, with the path it was found at.
struct ScheduledGame {
    Game game;
    std::string path;
};

// Loads the game the field names. When that fails, the bare file name (the
// text after the last '/' or '\', so names written on another system are
// found too) is tried in each of folders in order ("" is the current
// directory). nullopt when none loads; reason then says why the game at
// the stored path did not.
std::optional<ScheduledGame> loadScheduledGame(std::string_view gameField, const std::vector<std::string>& folders,
                                               std::string* reason = nullptr);

// Where the bare-name retry looks for the games of the schedule file at
// schedulePath: its own folder, then the current directory.
std::vector<std::string> scheduledGameFolders(std::string_view schedulePath);

}  // namespace courtlog
