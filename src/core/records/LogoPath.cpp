#include "core/records/LogoPath.h"

#include <filesystem>

#include "core/records/Cp1252.h"
#include "core/records/Team.h"

namespace courtlog {

namespace {

std::optional<std::string> asField(std::string_view path) {
    const StrictCp1252 converted = utf8ToCp1252Strict(path);
    if (!converted.ok || converted.text.empty() || converted.text.size() > Team::kLogoFileWidth - 1)
        return std::nullopt;
    return converted.text;
}

std::string folderOf(std::string_view path) {
    const std::string_view name = bareFileName(path);
    std::filesystem::path folder(std::string(path.substr(0, path.size() - name.size())));
    if (folder.empty()) folder = ".";
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, error);
    return (error ? folder : canonical).lexically_normal().string();
}

}  // namespace

std::optional<std::string> logoFieldFor(std::string_view chosenPath, std::string_view teamFilePath) {
    if (auto whole = asField(chosenPath)) return whole;
    if (teamFilePath.empty() || folderOf(chosenPath) != folderOf(teamFilePath)) return std::nullopt;
    return asField(bareFileName(chosenPath));
}

}  // namespace courtlog
