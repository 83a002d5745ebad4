#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/handheld/DevicePartner.h"
#include "core/handheld/HandheldMessage.h"

namespace courtlog::handheld {

// Whether a file goes to the device or comes from it.
enum class TransferDirection { Export, Import };

// "Export file to this device : <name> ?" and the count below it, caption
// "Select Device", for the partner at position (1-based) of count.
HandheldMessage deviceQuestion(TransferDirection direction, const std::string& deviceName, int position, int count);

// Finds the synchronised folder of the device a file goes to or comes from.
// With one partner it is taken without asking; with more, each is offered in
// turn through askYes (true for Yes) and the first Yes takes it. A partner
// whose folder is gone cannot be taken: it is passed over without a
// question, keeping its place in the count. nullopt when no partner was
// taken; the command then shows syncFolderMissingMessage().
std::optional<std::string> findSyncFolder(const std::vector<DevicePartner>& partners, TransferDirection direction,
                                          const std::function<bool(const HandheldMessage&)>& askYes);

}  // namespace courtlog::handheld
