#include "core/records/TeamSource.h"

#include <utility>

#include "core/records/FileKind.h"
#include "core/records/TeamDamage.h"

namespace courtlog {

TeamLoad loadTeamForUse(const std::string& path, Team& team, std::string* message, std::string_view shownPath) {
    team.fileName = path;
    std::string reason;
    if (!team.load(&reason)) {
        if (message) *message = "Can't load team ! " + path + (reason.empty() ? "" : ": " + reason);
        return TeamLoad::CannotLoad;
    }
    if (std::string damage = teamDamageText(team, shownPath.empty() ? path : shownPath); !damage.empty()) {
        if (message) *message = std::move(damage);
        return TeamLoad::Damaged;
    }
    return TeamLoad::Loaded;
}

TeamLoad replaceTeamFromFile(const std::string& path, Team& team, std::string* message, std::string_view shownPath) {
    Team chosen = team;
    chosen.clear();
    chosen.name.clear();
    chosen.coach.clear();
    chosen.assistant.clear();
    const TeamLoad outcome = loadTeamForUse(path, chosen, message, shownPath);
    if (outcome == TeamLoad::Loaded) team = std::move(chosen);
    return outcome;
}

bool readTeamOrRoster(const std::string& path, Team& team, std::string* message) {
    if (!isTextRoster(fileKindOf(path))) return loadTeamForUse(path, team, message) == TeamLoad::Loaded;
    const Team::ImportResult result = team.importFrom(path);
    if (result.ok) return true;
    if (message) *message = "Can't import team ! " + path + (result.error.empty() ? "" : ": " + result.error);
    return false;
}

}  // namespace courtlog
