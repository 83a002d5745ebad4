#include "core/handheld/ReversibleWrites.h"

#include <filesystem>
#include <system_error>

#include "core/records/SafeSave.h"

namespace courtlog::handheld {

namespace fs = std::filesystem;

bool ReversibleWrites::remember(const std::string& path, std::string* error) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (!fs::exists(status) && !fs::is_symlink(status)) {
        before_.push_back({path, std::nullopt, false});
        return true;
    }
    std::optional<std::vector<std::uint8_t>> bytes = readWholeFile(path, kMaxFileSize, error);
    if (!bytes) return false;
    before_.push_back({path, std::move(bytes), false});
    return true;
}

bool ReversibleWrites::makeFolder(const std::string& folder, std::string* error) {
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return true;
    if (!fs::create_directory(folder, ec)) {
        if (error) *error = "Can't create the folder " + folder + (ec ? ": " + ec.message() : std::string());
        return false;
    }
    before_.push_back({folder, std::nullopt, true});
    return true;
}

void ReversibleWrites::rollBack() {
    for (auto it = before_.rbegin(); it != before_.rend(); ++it) {
        std::error_code ec;
        if (it->folder) {
            fs::remove(it->path, ec);  // only when still empty
        } else if (it->bytes) {
            safeSave(it->path, *it->bytes);
        } else {
            fs::remove(it->path, ec);
        }
    }
    before_.clear();
}

void ReversibleWrites::commit() { before_.clear(); }

}  // namespace courtlog::handheld
