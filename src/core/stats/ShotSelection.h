#pragma once

#include <string>
#include <string_view>

namespace courtlog::stats {

// Whose shots the chart collects: one player of the team analysed, the
// whole team, or the teams it played against. Kept apart from the list
// text, so a player who happens to be called "Whole Team" is still a player.
struct ShotSelection {
    enum class Group { Player, WholeTeam, OpposingTeams };

    static constexpr std::string_view kWholeTeamText = "Whole Team";
    static constexpr std::string_view kOpposingTeamsText = "Opposing Team(s)";

    Group group = Group::WholeTeam;
    std::string playerName;  // for Group::Player, as the records hold it

    static ShotSelection wholeTeam() { return {Group::WholeTeam, {}}; }
    static ShotSelection opposingTeams() { return {Group::OpposingTeams, {}}; }
    static ShotSelection player(std::string name) { return {Group::Player, std::move(name)}; }

    // Every shot of the side read, whoever took it.
    bool everyShooter() const { return group != Group::Player; }
    // The other side of each game is read.
    bool opposing() const { return group == Group::OpposingTeams; }
    // The entry of the player list it stands for.
    std::string_view text() const;

    bool operator==(const ShotSelection&) const = default;
};

inline std::string_view ShotSelection::text() const {
    switch (group) {
    case Group::WholeTeam:
        return kWholeTeamText;
    case Group::OpposingTeams:
        return kOpposingTeamsText;
    case Group::Player:
        break;
    }
    return playerName;
}

}  // namespace courtlog::stats
