#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/records/FileNames.h"

namespace courtlog {

// A team keeps its logo's path in a field of 80 Windows-1252 bytes (79 and
// the terminator). Paths are UTF-8 here.

// What goes into the logo field for the picture at chosenPath: the path
// itself when the field can hold it; otherwise, when the picture lies in the
// team file's own folder, its bare file name (looked for beside the team
// file when it is loaded); otherwise nothing: the path cannot be stored.
std::optional<std::string> logoFieldFor(std::string_view chosenPath, std::string_view teamFilePath);

}  // namespace courtlog
