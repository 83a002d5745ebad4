#include "cli/VerbSettings.h"

#include <ostream>

namespace courtlog::cli {

bool readVerbSettings(const std::string& path, bool given, Settings& settings, std::ostream& err) {
    settings.setDefaults();
    if (settings.readSettings(path) || !given) return true;
    err << "Can't read settings ! " << path << "\n";
    return false;
}

}  // namespace courtlog::cli
