#include "core/records/ScheduledFiles.h"

#include "core/records/Cp1252.h"
#include "core/records/LogoPath.h"
#include "core/records/ScheduleEntry.h"

namespace courtlog {

namespace {

std::optional<Game> loadGame(const std::string& path, std::string* reason = nullptr) {
    if (path.empty()) return std::nullopt;
    Game game;
    if (!game.load(path, reason)) return std::nullopt;
    return game;
}

}  // namespace

std::optional<std::string> scheduleFieldForPath(std::string_view path) {
    const StrictCp1252 converted = utf8ToCp1252Strict(path);
    if (!converted.ok || converted.text.size() > ScheduleEntry::kPathLength) return std::nullopt;
    return converted.text;
}

std::string pathFromScheduleField(std::string_view field) { return cp1252ToUtf8(field); }

std::optional<ScheduledGame> loadScheduledGame(std::string_view gameField, const std::vector<std::string>& folders,
                                               std::string* reason) {
    const std::string stored = pathFromScheduleField(gameField);
    if (auto game = loadGame(stored, reason)) return ScheduledGame{std::move(*game), stored};
    const std::string bare(bareFileName(stored));
    if (bare.empty()) return std::nullopt;
    for (const std::string& folder : folders) {
        const std::string path = folder.empty() ? bare : folder + "/" + bare;
        if (path == stored) continue;
        if (auto game = loadGame(path)) return ScheduledGame{std::move(*game), path};
    }
    return std::nullopt;
}

std::vector<std::string> scheduledGameFolders(std::string_view schedulePath) {
    std::vector<std::string> folders;
    const std::size_t slash = schedulePath.find_last_of('/');
    if (slash != std::string_view::npos) folders.emplace_back(schedulePath.substr(0, slash == 0 ? 1 : slash));
    folders.emplace_back();
    return folders;
}

}  // namespace courtlog
