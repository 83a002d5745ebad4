#include "core/records/SettingsLocation.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/records/Settings.h"

namespace courtlog {

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramFolder = "courtlog";

// A variable's value when it names an absolute path; configuration paths
// that are relative are ignored, as desktops ignore them.
std::string absoluteValue(const EnvironmentLookup& environment, const char* name) {
    const char* value = environment(name);
    if (!value || value[0] != '/') return {};
    return value;
}

}  // namespace

std::string SettingsLocation::settingsFile() const { return fileBeside(Settings::kFileName); }

std::string SettingsLocation::fileBeside(std::string_view name) const {
    return (fs::path(folder) / fs::path(name)).string();
}

const char* processEnvironment(const char* name) { return std::getenv(name); }

SettingsLocation findSettingsLocation(const std::string& startFolder, const EnvironmentLookup& environment) {
    std::error_code ec;
    const fs::path start = startFolder.empty() ? fs::path(".") : fs::path(startFolder);
    const fs::file_status own = fs::status(start / Settings::kFileName, ec);
    if (fs::exists(own) && !fs::is_directory(own)) return {start.string(), true};

    if (const std::string config = absoluteValue(environment, "XDG_CONFIG_HOME"); !config.empty())
        return {(fs::path(config) / kProgramFolder).string(), false};
    if (const std::string home = absoluteValue(environment, "HOME"); !home.empty())
        return {(fs::path(home) / ".config" / kProgramFolder).string(), false};
    return {start.string(), false};
}

std::string verbSettingsFile() {
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    return findSettingsLocation(ec ? std::string(".") : current.string()).settingsFile();
}

bool makeSettingsFolder(const SettingsLocation& location, std::string* error) {
    std::error_code ec;
    const fs::path folder(location.folder);
    if (fs::is_directory(folder, ec)) return true;
    // The missing folders, outermost first, each made private to the user.
    std::vector<fs::path> missing;
    for (fs::path p = folder; !p.empty() && !fs::exists(p, ec); p = p.parent_path()) {
        missing.insert(missing.begin(), p);
        if (p == p.parent_path()) break;
    }
    for (const fs::path& p : missing) {
        if (!fs::create_directory(p, ec) && ec) {
            if (error) *error = p.string() + ": " + ec.message();
            return false;
        }
        fs::permissions(p, fs::perms::owner_all, fs::perm_options::replace, ec);
    }
    if (!fs::is_directory(folder, ec)) {
        if (error) *error = location.folder + ": " + (ec ? ec.message() : std::string("not a folder"));
        return false;
    }
    return true;
}

}  // namespace courtlog
