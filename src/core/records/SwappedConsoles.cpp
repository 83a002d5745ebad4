#include "core/records/SwappedConsoles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace courtlog {

namespace {

std::string keyOf(const std::string& gameFile) {
    if (gameFile.empty()) return {};
    std::error_code failed;
    const std::filesystem::path absolute = std::filesystem::absolute(gameFile, failed);
    return (failed ? std::filesystem::path(gameFile) : absolute).lexically_normal().string();
}

}  // namespace

bool consoleSwappedFor(const Settings& settings, const std::string& gameFile) {
    const std::string key = keyOf(gameFile);
    if (key.empty()) return false;
    const auto& kept = settings.swappedConsoleGames;
    return std::find(kept.begin(), kept.end(), key) != kept.end();
}

bool rememberConsoleSides(Settings& settings, const std::string& gameFile, bool swapped) {
    const std::string key = keyOf(gameFile);
    if (key.empty()) return false;
    std::vector<std::string>& kept = settings.swappedConsoleGames;
    const std::vector<std::string> before = kept;
    std::erase(kept, key);
    if (swapped) {
        kept.push_back(key);
        if (kept.size() > Settings::kMaxSwappedConsoleGames)
            kept.erase(kept.begin(), kept.end() - static_cast<std::ptrdiff_t>(Settings::kMaxSwappedConsoleGames));
    }
    return kept != before;
}

}  // namespace courtlog
