#include "core/site/SiteFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <set>

#include "core/records/SafeSave.h"

namespace courtlog::site {

namespace fs = std::filesystem;

namespace {

// Larger than the list of any season's pages.
constexpr std::size_t kMaxManifestBytes = 16u << 20;

std::string systemReason() { return std::strerror(errno); }

// A name beside path that nothing has: ".NAME.WHAT-xxxxxxxx".
fs::path besideName(const fs::path& path, std::string_view what) {
    static std::mt19937 random{std::random_device{}()};
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
    return path.parent_path() / ("." + path.filename().string() + "." + std::string(what) + "-" + suffix);
}

// The names a site of this program lists as its own.
std::set<std::string> manifestNames(const fs::path& folder) {
    std::set<std::string> names;
    const auto bytes = readWholeFile((folder / SiteFolder::kManifestName).string(), kMaxManifestBytes);
    if (!bytes) return names;
    std::string line;
    for (const std::uint8_t byte : *bytes) {
        if (byte == '\n') {
            names.insert(line);
            line.clear();
        } else {
            line += static_cast<char>(byte);
        }
    }
    return names;
}

// The first entry of folder that is not part of a site this program built,
// or empty when there is none.
std::string foreignEntry(const fs::path& folder, std::error_code& ec) {
    const std::set<std::string> own = manifestNames(folder);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name == SiteFolder::kManifestName) continue;
        if (!own.count(name) || it->is_directory()) return name;
    }
    return {};
}

bool flushFolder(const fs::path& folder, bool wholeFileSystem) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = (wholeFileSystem ? ::syncfs(fd) : ::fsync(fd)) == 0;
    ::close(fd);
    return ok;
}

// Whether the file system cannot exchange two names at once, so the two
// renames have to do.
bool exchangeUnsupported(int error) { return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP; }

}  // namespace

SiteFolder::~SiteFolder() {
    if (committed_ || building_.empty()) return;
    std::error_code ec;
    fs::remove_all(building_, ec);
}

bool SiteFolder::begin(const std::string& target, std::string& error) {
    std::error_code ec;
    if (target.empty()) {
        error = "No folder was named for the site";
        return false;
    }
    fs::path path(target);
    // A link to a folder: the site goes where it points, and the link stays.
    if (fs::is_symlink(path, ec)) path = fs::canonical(path, ec);
    path = fs::absolute(path, ec).lexically_normal();
    if (!path.has_filename()) path = path.parent_path();
    if (ec || !path.has_filename() || path == path.root_path()) {
        error = "Can't build a site in " + target;
        return false;
    }
    const fs::file_status status = fs::status(path, ec);
    struct stat existing {};
    const bool exists = fs::exists(status);
    if (exists) {
        if (!fs::is_directory(status)) {
            error = target + " is a file, not a folder";
            return false;
        }
        const std::string foreign = foreignEntry(path, ec);
        if (ec) {
            error = "Can't read the folder " + target + ": " + ec.message();
            return false;
        }
        if (!foreign.empty()) {
            error = target + " holds files this program did not make (" + foreign +
                    "); choose a new or empty folder for the site";
            return false;
        }
        ::stat(path.c_str(), &existing);
    }
    if (!fs::is_directory(path.parent_path(), ec)) {
        error = "There is no folder " + path.parent_path().string() + " to build the site in";
        return false;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = besideName(path, "building");
        // Made as any new folder is (the umask applies), or as the old site was.
        if (::mkdir(candidate.c_str(), 0777) == 0) {
            building_ = candidate;
            break;
        }
        if (errno != EEXIST) {
            error = "Can't make a folder beside " + target + ": " + systemReason();
            return false;
        }
    }
    if (building_.empty()) {
        error = "Can't make a folder beside " + target;
        return false;
    }
    if (exists) ::chmod(building_.c_str(), existing.st_mode & 07777);
    target_ = path;
    return true;
}

bool SiteFolder::write(std::string_view name, std::string_view content, std::string& error) {
    const fs::path path = building_ / std::string(name);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = "Can't write " + path.string() + ": " + systemReason();
        return false;
    }
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const int writeError = errno;
    if (std::fclose(file) != 0 || !written) {
        error = "Can't write " + path.string() + ": " + (written ? systemReason() : std::strerror(writeError));
        return false;
    }
    written_.emplace_back(name);
    return true;
}

bool SiteFolder::commit(std::string& error) {
    std::string manifest;
    for (const std::string& name : written_) manifest += name + "\n";
    if (!write(kManifestName, manifest, error)) return false;
    // Every page on the disk before the site changes places.
    if (!flushFolder(building_, true)) {
        error = "Can't write the site to the disk: " + systemReason();
        return false;
    }
    std::error_code ec;
    fs::path old;
    if (!fs::exists(target_, ec)) {
        if (::rename(building_.c_str(), target_.c_str()) != 0) {
            error = "Can't put the site in " + target_.string() + ": " + systemReason();
            return false;
        }
    } else if (::renameat2(AT_FDCWD, building_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) == 0) {
        old = building_;
    } else if (exchangeUnsupported(errno)) {
        old = besideName(target_, "old");
        if (::rename(target_.c_str(), old.c_str()) != 0) {
            error = "Can't move the old site aside: " + systemReason();
            return false;
        }
        if (::rename(building_.c_str(), target_.c_str()) != 0) {
            error = "Can't put the site in " + target_.string() + ": " + systemReason();
            ::rename(old.c_str(), target_.c_str());
            return false;
        }
    } else {
        error = "Can't put the site in " + target_.string() + ": " + systemReason();
        return false;
    }
    committed_ = true;
    flushFolder(target_.parent_path(), false);
    if (!old.empty()) fs::remove_all(old, ec);
    return true;
}

}  // namespace courtlog::site
