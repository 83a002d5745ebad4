#include "core/records/RecordSave.h"

#include "core/records/SafeSave.h"

namespace courtlog {

bool saveRecordAs(std::string& fileName, const std::string& path, std::span<const std::uint8_t> bytes,
                  std::string* error) {
    if (!safeSave(path, bytes, error)) return false;
    fileName = path;
    return true;
}

}  // namespace courtlog
