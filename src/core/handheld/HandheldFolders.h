#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/handheld/DevicePartner.h"

namespace courtlog::handheld {

// Where the handheld commands find their devices: the Palm desktop folder
// and the device partners, as set under Options > Handheld Folders. Kept in
// a file of its own beside the settings file, so the settings file keeps
// exactly the lines older versions read and write.
class HandheldFolders {
public:
    static constexpr const char* kFileName = "crtlog-handheld.ini";
    static constexpr std::size_t kMaxFileSize = 1024u * 1024u;
    static constexpr std::size_t kMaxPartners = 100;
    static constexpr std::size_t kMaxPartnerName = 100;

    // Empty: the folder Palm in the home folder, when there is one.
    std::string palmDesktopFolder;
    // In the order the user added them; the device question asks in it.
    std::vector<DevicePartner> partners;

    bool operator==(const HandheldFolders&) const = default;

    // Replaces the values with those of a file's text. Unknown lines, a
    // device folder without its name and devices beyond kMaxPartners are
    // left out; any bytes are read without harm.
    void parse(std::string_view text);
    std::string format() const;
    // Absent, unreadable or oversized file: nothing changes, false.
    bool read(const std::string& path);
    // Through the safe save; false with the reason on failure.
    bool write(const std::string& path, std::string* error = nullptr) const;

    // Why folder cannot be the Palm desktop folder (empty is allowed: the
    // default), or an empty text.
    static std::string palmFolderProblem(const std::string& folder);
    // Why a device cannot be called name (editedIndex: the partner being
    // renamed, -1 for a new one), or an empty text.
    std::string partnerNameProblem(const std::string& name, int editedIndex = -1) const;
    // Why folder cannot be a device's synchronised folder, or an empty text.
    static std::string partnerFolderProblem(const std::string& folder);

    // Each returns the reason it refused (nothing changed) or an empty text.
    // Names lose surrounding blanks.
    std::string addPartner(const std::string& name, const std::string& folder);
    std::string renamePartner(int index, const std::string& name);
    std::string removePartner(int index);
};

}  // namespace courtlog::handheld
