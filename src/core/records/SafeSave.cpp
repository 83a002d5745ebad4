#include "core/records/SafeSave.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>

#include "core/records/ReadOnlyFile.h"

namespace courtlog {

namespace {

constexpr const char* kTempMarker = ".tmp-";
constexpr int kMaxLinkHops = 40;
constexpr std::time_t kStaleTempAge = 60;  // seconds
constexpr std::size_t kMaxBaseInTempName = 200;

std::atomic<unsigned> tempCounter{0};
std::atomic<testing::SaveStepObserver> saveStepObserver{nullptr};

void reportStep(SaveStep step, const std::string& path) {
    if (const testing::SaveStepObserver observer = saveStepObserver.load()) observer(step, path);
}

void setError(std::string* error, const std::string& what, int err) {
    if (error) *error = what + ": " + std::strerror(err);
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string baseOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// True when the link (lstat as st) is one this user could have made: its
// own, or one owned by the owner of its folder.
bool trustedLink(const std::string& link, const struct stat& st) {
    if (st.st_uid == geteuid()) return true;
    struct stat folder {};
    return stat(folderOf(link).c_str(), &folder) == 0 && folder.st_uid == st.st_uid;
}

// Follows symbolic links at path (also dangling ones, whose target is then
// created), so the file the link points to is replaced and the link stays;
// as the policy says, links are refused or only trusted ones followed.
bool resolveLinks(const std::string& path, std::string& target, LinkPolicy policy, std::string* error) {
    target = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        if (policy == LinkPolicy::RefuseLinks) {
            if (error) *error = "it is a symbolic link, which is never written through";
            return false;
        }
        if (!trustedLink(target, st)) {
            if (error) *error = target + " is a symbolic link another user made, which is not followed";
            return false;
        }
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0) + 256, '\0');
        const ssize_t n = readlink(target.c_str(), link.data(), link.size());
        if (n < 0) {
            setError(error, "Can't follow the link " + target, errno);
            return false;
        }
        link.resize(static_cast<std::size_t>(n));
        if (link.empty()) {
            setError(error, "Can't follow the link " + target, ENOENT);
            return false;
        }
        target = link.front() == '/' ? link : folderOf(target) + "/" + link;
    }
    setError(error, "Can't follow the link " + path, ELOOP);
    return false;
}

// Our temporary files are named ".NAME.tmp-PID-COUNTER".
bool parseTempName(const char* name, long& pid) {
    if (name[0] != '.') return false;
    const char* marker = std::strstr(name, kTempMarker);
    if (!marker) return false;
    // The last marker is ours; a file name may itself contain ".tmp-".
    for (const char* next = marker; (next = std::strstr(next + 1, kTempMarker)) != nullptr;) marker = next;
    const char* p = marker + std::strlen(kTempMarker);
    char* end = nullptr;
    errno = 0;
    pid = std::strtol(p, &end, 10);
    if (end == p || *end != '-' || errno != 0 || pid <= 0) return false;
    const char* counter = end + 1;
    if (*counter == '\0') return false;
    for (const char* c = counter; *c; ++c) {
        if (*c < '0' || *c > '9') return false;
    }
    return true;
}

// Removes temporary files that an interrupted save left behind: those of a
// process that no longer runs, and any older than a minute. Only files this
// user owns, with no other name (a hard link is someone's file), and, when
// onlyOf is given, only the temporaries of that file name.
void removeStaleTemps(const std::string& folder, const std::string& onlyOf) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    const std::time_t now = std::time(nullptr);
    const long self = static_cast<long>(getpid());
    while (const dirent* entry = readdir(dir)) {
        long pid = 0;
        if (!parseTempName(entry->d_name, pid)) continue;
        if (!onlyOf.empty() && std::string_view(entry->d_name).rfind(onlyOf, 0) != 0) continue;
        struct stat st {};
        if (fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != geteuid() || st.st_nlink != 1)
            continue;
        const bool old = now - st.st_mtime > kStaleTempAge;
        const bool ownerGone = pid != self && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
        if (old || ownerGone) unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool safeSave(const std::string& path, std::span<const std::uint8_t> data, std::string* error, LinkPolicy policy) {
    const std::span<const std::uint8_t> whole[] = {data};
    return safeSave(path, whole, error, policy);
}

bool safeSave(const std::string& path, std::span<const std::span<const std::uint8_t>> parts, std::string* error,
              LinkPolicy policy) {
    if (path.empty()) {
        setError(error, "Can't save a file without a name", ENOENT);
        return false;
    }
    std::string target;
    if (!resolveLinks(path, target, policy, error)) return false;

    const std::string folder = folderOf(target);
    const std::string base = baseOf(target);
    if (base.empty()) {
        setError(error, "Can't save " + path, EISDIR);
        return false;
    }

    // The target is no link by now (or a link that appeared since, which
    // the rename below replaces rather than writes through).
    struct stat existing {};
    const bool exists = lstat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        setError(error, "Can't save " + path, EISDIR);
        return false;
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        // Renaming over a device or a pipe would replace it with a plain file.
        if (error) *error = "Can't save " + path + ": it is not a regular file";
        return false;
    }

    const std::string tempPrefix = "." + base.substr(0, kMaxBaseInTempName) + kTempMarker;
    removeStaleTemps(folder, policy == LinkPolicy::RefuseLinks ? tempPrefix : std::string());

    const std::string temp = folder + "/" + tempPrefix + std::to_string(getpid()) + "-" +
                             std::to_string(tempCounter.fetch_add(1));
    // O_EXCL creates a new file and never opens one, nor follows a link.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        setError(error, "Can't create a file in " + folder, errno);
        return false;
    }

    auto fail = [&](const std::string& what, int err) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        setError(error, what, err);
        return false;
    };

    if (exists && S_ISREG(existing.st_mode)) {
        // Keep the mode and, where allowed, the owner of the file we replace.
        if (fchmod(fd, existing.st_mode & 07777) != 0) return fail("Can't set the mode of " + temp, errno);
        if (fchown(fd, existing.st_uid, existing.st_gid) != 0) {
            // Only a privileged process can give a file away; not an error.
        }
    }
    for (const std::span<const std::uint8_t> part : parts)
        if (!writeAll(fd, part.data(), part.size())) return fail("Can't write " + path, errno);
    reportStep(SaveStep::WroteTemporary, temp);
    if (fdatasync(fd) != 0) return fail("Can't flush " + path + " to disk", errno);
    reportStep(SaveStep::FlushedTemporary, temp);
    const int closed = ::close(fd);
    if (closed != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        setError(error, "Can't write " + path, err);
        return false;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        setError(error, "Can't replace " + path, err);
        return false;
    }
    reportStep(SaveStep::Renamed, target);

    // Make the rename itself durable. The new file is in place by now, so a
    // folder that cannot be flushed (some file systems refuse) is not a
    // failure of the save.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        if (fsync(dirFd) == 0) reportStep(SaveStep::FlushedFolder, folder);
        ::close(dirFd);
    }
    if (error) error->clear();
    return true;
}

namespace testing {
void setSaveStepObserver(SaveStepObserver observer) { saveStepObserver.store(observer); }
}  // namespace testing

bool safeSave(const std::string& path, std::string_view text, std::string* error, LinkPolicy policy) {
    return safeSave(
        path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
        error, policy);
}

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path, std::size_t maxBytes,
                                                       std::string* error) {
    ReadOnlyFile file;
    if (!file.open(path, maxBytes, error)) return std::nullopt;
    return file.readToEnd(maxBytes, error);
}

long long fileSizeOf(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    const int rc = fstat(fd, &st);
    ::close(fd);
    if (rc != 0) return -1;
    return static_cast<long long>(st.st_size);
}

}  // namespace courtlog
