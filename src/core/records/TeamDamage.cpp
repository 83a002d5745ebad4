#include "core/records/TeamDamage.h"

#include "core/records/Team.h"

namespace courtlog {

std::string teamDamageText(const Team& team, std::string_view shownPath) {
    if (!team.damaged) return {};
    const std::string start = "The team file " + std::string(shownPath) + " is damaged: ";
    const auto read = static_cast<std::size_t>(team.playerCount());
    if (team.claimedCount > read)
        return start + std::to_string(read) + " of its " + std::to_string(team.claimedCount) +
               " players could be read.";
    return start + "it is not a whole team as this program writes it; values out of range were brought into "
                   "range.";
}

}  // namespace courtlog
