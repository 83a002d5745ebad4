#pragma once

#include <optional>
#include <string>

namespace courtlog {

// The two team names of a game file, read from its information block (the
// first 193 bytes) without loading the teams and plays behind it: what a
// list of game files shows as "Visitors vs Home".
struct GameFileTeams {
    std::string homeName;
    std::string visitorName;

    bool operator==(const GameFileTeams&) const = default;
};

// The team names in the information block of the file at path. nullopt
// when the file cannot be opened (or is a folder). A file too short to hold
// a name gives that name blank.
std::optional<GameFileTeams> readGameFileTeams(const std::string& path);

// The same, with blank names for a file that cannot be read.
GameFileTeams gameFileTeamsOrBlank(const std::string& path);

}  // namespace courtlog
