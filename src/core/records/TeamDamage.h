#pragma once

#include <string>
#include <string_view>

namespace courtlog {

class Team;

// The caption of a message that shows teamDamageText.
inline constexpr const char* kDamagedTeamCaption = "Damaged Team File";

// What opening a damaged team file says, before anything is shown or
// used: "The team file Owls.tem is damaged: 9 of its 11 players could be
// read." When the players are all there but the file is not a whole team
// as this program writes it, the text says that instead. Empty when the
// team read last was whole. shownPath is the file's name as the user
// knows it.
std::string teamDamageText(const Team& team, std::string_view shownPath);

}  // namespace courtlog
