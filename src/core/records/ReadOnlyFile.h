#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace courtlog {

// A record file opened for reading in pieces, for readers that write out
// what they read as they go instead of holding the whole file.
class ReadOnlyFile {
public:
    ReadOnlyFile() = default;
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // Opens path, refusing folders and regular files larger than maxBytes,
    // with the reasons readWholeFile gives.
    bool open(const std::string& path, std::size_t maxBytes, std::string* error = nullptr);
    void close();

    // A plain file, whose size is known and which can be read at any offset
    // (a pipe or a device is neither).
    bool isRegular() const { return regular_; }
    std::uint64_t size() const { return size_; }
    int descriptor() const { return fd_; }

    // Everything from the current position to the end, refusing more than
    // maxBytes (a file that grows while it is read, or a device).
    std::optional<std::vector<std::uint8_t>> readToEnd(std::size_t maxBytes, std::string* error = nullptr);

    // Exactly n bytes from offset; false (reason in error) when the file
    // cannot be read or ends before them.
    bool readAt(std::uint64_t offset, void* to, std::size_t n, std::string* error = nullptr);

private:
    int fd_ = -1;
    bool regular_ = false;
    std::uint64_t size_ = 0;
    std::string path_;
};

}  // namespace courtlog
