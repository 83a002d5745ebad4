#pragma once

#include <string>

namespace courtlog::handheld {

// A device kept in step with a folder of this desktop by its synchronisation
// software (a Pocket PC and the like): files copied into the folder reach
// the device at its next synchronisation, and files it puts there can be
// copied out.
struct DevicePartner {
    std::string name;    // as the user calls the device
    std::string folder;  // the synchronised folder

    bool operator==(const DevicePartner&) const = default;
};

}  // namespace courtlog::handheld
