#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace courtlog::handheld {

// Makes a command that writes several files all or nothing: before each
// write the command remembers how the file is now (its bytes, or that there
// is none) and the folders it creates; when a later step fails, rollBack()
// puts every remembered file back as it was, newest first, and removes the
// folders again. Each single write goes through the safe save already, so a
// failed write has left its own file alone. What is neither committed nor
// rolled back is rolled back when the object goes, so an early return of a
// failing command cannot keep half of its writes.
class ReversibleWrites {
public:
    ReversibleWrites() = default;
    ~ReversibleWrites() { rollBack(); }
    ReversibleWrites(const ReversibleWrites&) = delete;
    ReversibleWrites& operator=(const ReversibleWrites&) = delete;

    // Files larger than this are not handled by the handheld commands.
    static constexpr std::size_t kMaxFileSize = 64u * 1024u * 1024u;

    // Remembers path before it is written. Fails, with the reason, when the
    // file exists but cannot be read: the command must not write it then.
    bool remember(const std::string& path, std::string* error = nullptr);
    // Creates folder when it is missing and remembers that it did. Fails
    // with the reason when it cannot be made.
    bool makeFolder(const std::string& folder, std::string* error = nullptr);

    // Puts everything remembered back. Nothing is remembered afterwards.
    void rollBack();
    // Keeps what was written; nothing is remembered afterwards.
    void commit();

private:
    struct Before {
        std::string path;
        std::optional<std::vector<std::uint8_t>> bytes;  // nullopt: the file was not there
        bool folder = false;                              // a folder this command created
    };
    std::vector<Before> before_;
};

}  // namespace courtlog::handheld
