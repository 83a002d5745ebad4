#include "core/site/SiteFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <random>

#include "core/records/SafeSave.h"

namespace courtlog::site {

namespace fs = std::filesystem;

namespace {

// Larger than the list of any season's pages.
constexpr std::size_t kMaxManifestBytes = 16u << 20;
// New pages flushed to the disk one by one; more, and the whole disk is.
constexpr std::size_t kFlushesOneByOne = 64;

std::string systemReason() { return std::strerror(errno); }

// A name beside path that nothing has: ".NAME.WHAT-xxxxxxxx".
fs::path besideName(const fs::path& path, std::string_view what) {
    static std::mt19937 random{std::random_device{}()};
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
    return path.parent_path() / ("." + path.filename().string() + "." + std::string(what) + "-" + suffix);
}

// The files a site of this program lists as its own, one a line: size and
// name.
std::map<std::string, std::size_t> manifestOf(const fs::path& folder) {
    std::map<std::string, std::size_t> files;
    const auto bytes = readWholeFile((folder / SiteFolder::kManifestName).string(), kMaxManifestBytes);
    if (!bytes) return files;
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        const char* p = text.data() + at;
        const char* stop = text.data() + end;
        at = end + 1;
        std::size_t size = 0;
        const auto read = std::from_chars(p, stop, size);
        if (read.ec == std::errc() && read.ptr != stop && *read.ptr == ' ') files[std::string(read.ptr + 1, stop)] = size;
    }
    return files;
}

// The first entry of folder that is not part of a site this program built
// (listed in own), or empty when there is none.
std::string foreignEntry(const fs::path& folder, const std::map<std::string, std::size_t>& own,
                         std::error_code& ec) {
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name == SiteFolder::kManifestName) continue;
        if (!own.count(name) || it->is_directory()) return name;
    }
    return {};
}

// Waits until what path holds (a file's data, a folder's names) is on the disk.
bool flushToDisk(const fs::path& path, bool folder) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
    if (fd < 0) return false;
    const bool ok = (folder ? ::fsync(fd) : ::fdatasync(fd)) == 0;
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
        before_ = manifestOf(path);
        const std::string foreign = foreignEntry(path, before_, ec);
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
    // The same page as before (and still as it was written): a second name
    // for the old file. Where the disk has no links (a memory stick), it is
    // written after all.
    if (const auto old = before_.find(std::string(name)); old != before_.end() && old->second == content.size()) {
        const fs::path oldPath = target_ / old->first;
        const auto bytes = readWholeFile(oldPath.string(), content.size());
        if (bytes && std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()) == content &&
            ::link(oldPath.c_str(), path.c_str()) == 0) {
            written_.emplace_back(name, content.size());
            return true;
        }
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    int failure = fd < 0 ? errno : 0;
    for (std::size_t at = 0; failure == 0 && at < content.size();) {
        const ssize_t n = ::write(fd, content.data() + at, content.size() - at);
        if (n > 0) {
            at += static_cast<std::size_t>(n);
        } else if (n == 0 || errno != EINTR) {
            failure = n == 0 ? EIO : errno;
        }
    }
    // The disk starts on it now; commit waits for it with the rest.
    if (failure == 0) ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    if (fd >= 0 && ::close(fd) != 0 && failure == 0) failure = errno;
    if (failure != 0) {
        error = "Can't write " + path.string() + ": " + std::strerror(failure);
        return false;
    }
    written_.emplace_back(name, content.size());
    fresh_.emplace_back(name);
    return true;
}

bool SiteFolder::commit(std::string& error) {
    std::string manifest;
    for (const auto& [name, size] : written_) manifest += std::to_string(size) + " " + name + "\n";
    before_.clear();  // the list itself is always written
    if (!write(kManifestName, manifest, error)) return false;
    // Every page on the disk before the site changes places (a linked one
    // is there since the build that wrote it). Past a few dozen new pages
    // one flush of the whole disk is quicker than one flush a page.
    if (fresh_.size() > kFlushesOneByOne) {
        const int fd = ::open(building_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const bool flushed = fd >= 0 && ::syncfs(fd) == 0;
        if (fd >= 0) ::close(fd);
        if (!flushed) {
            error = "Can't write the site to the disk: " + systemReason();
            return false;
        }
    } else {
        for (const std::string& name : fresh_) {
            if (!flushToDisk(building_ / name, false)) {
                error = "Can't write " + (building_ / name).string() + " to the disk: " + systemReason();
                return false;
            }
        }
    }
    if (!flushToDisk(building_, true)) {
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
    flushToDisk(target_.parent_path(), true);
    if (!old.empty()) fs::remove_all(old, ec);
    return true;
}

}  // namespace courtlog::site
