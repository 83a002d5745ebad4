#include "core/records/ReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace courtlog {

namespace {

void setError(std::string* error, const std::string& what, int err) {
    if (error) *error = what + ": " + std::strerror(err);
}

}  // namespace

ReadOnlyFile::~ReadOnlyFile() { close(); }

void ReadOnlyFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    regular_ = false;
    size_ = 0;
}

bool ReadOnlyFile::open(const std::string& path, std::size_t maxBytes, std::string* error) {
    close();
    path_ = path;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        setError(error, "Can't open " + path, errno);
        return false;
    }
    struct stat st {};
    int refusal = 0;
    if (fstat(fd, &st) != 0) {
        refusal = errno;
    } else if (S_ISDIR(st.st_mode)) {
        refusal = EISDIR;
    } else if (S_ISREG(st.st_mode) && static_cast<unsigned long long>(st.st_size) > maxBytes) {
        refusal = EFBIG;
    }
    if (refusal != 0) {
        setError(error, "Can't read " + path, refusal);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    regular_ = S_ISREG(st.st_mode);
    size_ = regular_ ? static_cast<std::uint64_t>(st.st_size) : 0;
    return true;
}

std::optional<std::vector<std::uint8_t>> ReadOnlyFile::readToEnd(std::size_t maxBytes, std::string* error) {
    // Read straight into the result. A plain file's size is known, so one
    // read asking for a byte more than it holds usually reads it whole and
    // sees its end; anything else grows the result as it comes.
    std::vector<std::uint8_t> bytes(regular_ ? static_cast<std::size_t>(size_) + 1 : 65536);
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
        const std::size_t wanted = bytes.size() - filled;
        const ssize_t n = ::read(fd_, bytes.data() + filled, wanted);
        if (n < 0) {
            if (errno == EINTR) continue;
            setError(error, "Can't read " + path_, errno);
            return std::nullopt;
        }
        filled += static_cast<std::size_t>(n);
        // A file that grows while we read (or a device) is still capped.
        if (filled > maxBytes) {
            setError(error, "Can't read " + path_, EFBIG);
            return std::nullopt;
        }
        // A plain file reads short only at its end.
        if (n == 0 || (regular_ && static_cast<std::size_t>(n) < wanted)) break;
    }
    bytes.resize(filled);
    return bytes;
}

bool ReadOnlyFile::readAt(std::uint64_t offset, void* to, std::size_t n, std::string* error) {
    auto* out = static_cast<char*>(to);
    while (n > 0) {
        const ssize_t got = ::pread(fd_, out, n, static_cast<off_t>(offset));
        if (got < 0) {
            if (errno == EINTR) continue;
            setError(error, "Can't read " + path_, errno);
            return false;
        }
        if (got == 0) {
            // The file became shorter than it was when it was opened.
            setError(error, "Can't read " + path_, EIO);
            return false;
        }
        out += got;
        offset += static_cast<std::uint64_t>(got);
        n -= static_cast<std::size_t>(got);
    }
    return true;
}

}  // namespace courtlog
