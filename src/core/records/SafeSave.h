#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace courtlog {

// Replaces the file at path with data so that a crash or power loss at any
// moment leaves either the old or the new complete file: the data goes to a
// temporary file in the same folder, is flushed to disk, renamed over the old
// file, and the folder is flushed. A symbolic link at path is followed, so the
// file it points to is replaced and the link stays. On any failure the old
// file is left as it was, the temporary file is removed, and false is
// returned with the reason in error.
bool safeSave(const std::string& path, std::span<const std::uint8_t> data, std::string* error = nullptr);
bool safeSave(const std::string& path, std::string_view text, std::string* error = nullptr);

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
