#pragma once

#include <string>
#include <string_view>

namespace courtlog {
class Game;
class Schedule;
class Team;
}  // namespace courtlog

namespace courtlog::output {

// The name an export's save dialog suggests, without an extension (the
// dialog adds the chosen kind's): what the file is about, a blank, and what
// it holds, "Harbor Hawks roster", "Hawks at Eagles box score"; a subject
// that already ends with what it holds is not given it twice ("2024
// schedule"), and without a subject the name is what it holds, capitalised
// ("Roster"). The subject is UTF-8, as paths are. The name is safe as a file
// name on any disk: characters that some file system refuses ('/', '\\',
// ':', '*', '?', '"', '<', '>', '|', control characters) become '-', runs of
// blanks become one, and leading dots and blanks and trailing dots go, so
// the name is never hidden and never reaches into another folder. At most
// 120 bytes, cut between characters.
std::string exportFileName(std::string_view subject, std::string_view contents);

// The same for a team's outputs (its name), a game's ("Visitor at Home")
// and a schedule's (its file's name without folder and extension).
std::string teamExportName(const Team& team, std::string_view contents);
std::string gameExportName(const Game& game, std::string_view contents);
std::string scheduleExportName(const Schedule& schedule);

}  // namespace courtlog::output
