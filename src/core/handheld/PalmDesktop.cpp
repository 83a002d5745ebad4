#include "core/handheld/PalmDesktop.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/handheld/HandheldPaths.h"
#include "core/handheld/HandheldTexts.h"
#include "core/records/SafeSave.h"

namespace courtlog::handheld {

namespace fs = std::filesystem;

namespace {

std::string lowered(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool isDirectory(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

}  // namespace

std::optional<PalmDesktop> PalmDesktop::find(const std::string& configured, const std::string& home) {
    if (!configured.empty()) {
        if (isDirectory(configured)) return PalmDesktop(configured);
        return std::nullopt;
    }
    if (home.empty()) return std::nullopt;
    const std::string fallback = defaultFolder(home);
    if (isDirectory(fallback)) return PalmDesktop(fallback);
    return std::nullopt;
}

std::string PalmDesktop::defaultFolder(const std::string& home) {
    return (fs::path(home) / kDefaultFolderName).string();
}

std::vector<std::string> PalmDesktop::users() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (name.empty() || name.front() == '.' || !it->is_directory(typeError)) continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = lowered(a), lb = lowered(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

std::string PalmDesktop::userFolder(const std::string& user) const { return (fs::path(folder_) / user).string(); }

std::string PalmDesktop::installFolder(const std::string& user) const {
    return (fs::path(userFolder(user)) / kInstallFolder).string();
}

std::string PalmDesktop::backupFolder(const std::string& user) const {
    return (fs::path(userFolder(user)) / kBackupFolder).string();
}

std::string PalmDesktop::importStartFolder(const std::string& user) const {
    const std::string backup = backupFolder(user);
    return isDirectory(backup) ? backup : userFolder(user);
}

HandheldOutcome PalmDesktop::queueForInstall(const std::string& user, const std::string& file,
                                             ReversibleWrites& writes) const {
    const std::string install = installFolder(user);
    const std::string copy = (fs::path(install) / fileNameOf(file)).string();
    std::string reason;
    std::optional<std::vector<std::uint8_t>> bytes = readWholeFile(file, ReversibleWrites::kMaxFileSize, &reason);
    if (bytes && writes.makeFolder(install, &reason) && writes.remember(copy, &reason) &&
        safeSave(copy, *bytes, &reason))
        return HandheldOutcome::success(installedMessage(file));
    return HandheldOutcome::failure(installFailedMessage(file, install, reason));
}

std::string PalmDesktop::newUserProblem(const std::string& name) const {
    if (name.empty()) return "Type the name of the new Palm user.";
    if (name.size() > kMaxUserName)
        return "A Palm user's name can have at most " + std::to_string(kMaxUserName) + " characters.";
    const bool control =
        std::any_of(name.begin(), name.end(), [](unsigned char c) { return c < 0x20 || c == 0x7f; });
    if (control || name.find('/') != std::string::npos || name.front() == '.')
        return "A Palm user's name can't hold a '/' or control characters, nor start with a '.'.";
    const std::string wanted = lowered(name);
    for (const std::string& user : users())
        if (lowered(user) == wanted) return "The Palm user " + user + " is already there.";
    std::error_code ec;
    if (fs::exists(fs::symlink_status(userFolder(name), ec)))
        return "There is already a file named " + name + " in " + folder_ + ".";
    return {};
}

HandheldOutcome PalmDesktop::addUser(const std::string& name) const {
    if (const std::string problem = newUserProblem(name); !problem.empty())
        return HandheldOutcome::failure({problem, "Add Palm User", MessageIcon::Exclamation});
    ReversibleWrites writes;
    std::string reason;
    if (writes.makeFolder(folder_, &reason) && writes.makeFolder(userFolder(name), &reason) && writes.makeFolder(installFolder(name), &reason) &&
        writes.makeFolder(backupFolder(name), &reason)) {
        writes.commit();
        return HandheldOutcome::success();
    }
    return HandheldOutcome::failure({"The Palm user " + name + " could not be added.\n" + reason, "Add Palm User",
                                     MessageIcon::Exclamation});
}

}  // namespace courtlog::handheld
