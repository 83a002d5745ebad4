#include "core/handheld/SyncFolderLookup.h"

#include <filesystem>
#include <system_error>

namespace courtlog::handheld {

HandheldMessage deviceQuestion(TransferDirection direction, const std::string& deviceName, int position,
                               int count) {
    const bool exporting = direction == TransferDirection::Export;
    std::string text = std::string(exporting ? "Export" : "Import") + " file " + (exporting ? "to" : "from") +
                       " this device : " + deviceName + " ?\n(" + std::to_string(position) + " of " +
                       std::to_string(count) + " found)";
    return {std::move(text), "Select Device", MessageIcon::Question};
}

std::optional<std::string> findSyncFolder(const std::vector<DevicePartner>& partners, TransferDirection direction,
                                          const std::function<bool(const HandheldMessage&)>& askYes) {
    const int count = static_cast<int>(partners.size());
    for (int i = 0; i < count; ++i) {
        const DevicePartner& partner = partners[static_cast<std::size_t>(i)];
        std::error_code ec;
        if (partner.folder.empty() || !std::filesystem::is_directory(partner.folder, ec)) continue;
        if (count == 1 || askYes(deviceQuestion(direction, partner.name, i + 1, count))) return partner.folder;
    }
    return std::nullopt;
}

}  // namespace courtlog::handheld
