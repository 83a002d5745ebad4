#pragma once

#include <iosfwd>
#include <string>

#include "core/records/Settings.h"

namespace courtlog::cli {

// The settings a verb writes with: the defaults, and over them the settings
// file at path. A file named on purpose (given) must be read; the one of
// the current folder is used when it is there, as the program does. False,
// with "Can't read settings ! PATH" on err, when a given file could not be
// read.
bool readVerbSettings(const std::string& path, bool given, Settings& settings, std::ostream& err);

}  // namespace courtlog::cli
