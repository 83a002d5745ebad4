#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace courtlog {

// What a save does with a symbolic link standing at the path it replaces.
enum class LinkPolicy {
    // Follow a link this user could have made: one owned by this user, or by
    // the owner of the folder it stands in (the rule the kernel keeps in
    // shared folders such as /tmp). The file it points to is replaced and
    // the link stays. A link someone else put in a shared folder is refused.
    FollowOwnLinks,
    // Never write through a link: any link at path is refused. For files
    // the program writes on its own into folders others may share (the
    // scoreboard feed).
    RefuseLinks,
};

// Replaces the file at path with data so that a crash or power loss at any
// moment leaves either the old or the new complete file: the data goes to a
// temporary file in the same folder, is flushed to disk, renamed over the old
// file, and the folder is flushed. Symbolic links are treated as policy says.
// Temporary files an interrupted save of this user left behind are removed
// (with RefuseLinks only those of this path). On any failure the old file is
// left as it was, the temporary file is removed, and false is returned with
// the reason in error.
bool safeSave(const std::string& path, std::span<const std::uint8_t> data, std::string* error = nullptr,
              LinkPolicy policy = LinkPolicy::FollowOwnLinks);
bool safeSave(const std::string& path, std::string_view text, std::string* error = nullptr,
              LinkPolicy policy = LinkPolicy::FollowOwnLinks);
// The same for data held in parts, written one after the other.
bool safeSave(const std::string& path, std::span<const std::span<const std::uint8_t>> parts,
              std::string* error = nullptr, LinkPolicy policy = LinkPolicy::FollowOwnLinks);

// Reads a whole file, refusing files larger than maxBytes. nullopt when it
// cannot be opened or read (reason in error).
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path, std::size_t maxBytes,
                                                       std::string* error = nullptr);

// Size of a file, or -1 when it cannot be opened.
long long fileSizeOf(const std::string& path);

// The steps of a save that make it durable, in the order they must happen.
enum class SaveStep { WroteTemporary, FlushedTemporary, Renamed, FlushedFolder };

namespace testing {
// Tests watch the durable steps of every save through this; nullptr (the
// default) records nothing.
using SaveStepObserver = void (*)(SaveStep step, const std::string& path);
void setSaveStepObserver(SaveStepObserver observer);
}  // namespace testing

}  // namespace courtlog
