#include "core/records/TeamSource.h"

#include <cctype>

namespace courtlog {

namespace {

bool isTextRoster(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".csv" || tail == ".txt";
}

}  // namespace

bool readTeamOrRoster(const std::string& path, Team& team, std::string* message) {
    std::string reason;
    std::string failure;
    if (isTextRoster(path)) {
        const Team::ImportResult result = team.importFrom(path);
        if (result.ok) return true;
        reason = result.error;
        failure = "Can't import team ! ";
    } else {
        team.fileName = path;
        if (team.load(&reason)) return true;
        failure = "Can't load team ! ";
    }
    if (message) *message = failure + path + (reason.empty() ? "" : ": " + reason);
    return false;
}

}  // namespace courtlog
