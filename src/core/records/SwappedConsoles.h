#pragma once

#include <string>

#include "core/records/Settings.h"

namespace courtlog {

// Which way round a game's console was left. The game file has no room for
// it, so the settings keep the files of the games last left with their
// sides swapped (Swap Sides at half time), and a game opened again for
// scoring shows its console the way it was left. A file is named by its
// absolute path, so the same game opened from another folder is the same
// game; only the most recent few are kept.

bool consoleSwappedFor(const Settings& settings, const std::string& gameFile);

// Keeps (swapped) or forgets (not swapped) gameFile, newest last. True when
// the settings changed. A game without a file is never kept.
bool rememberConsoleSides(Settings& settings, const std::string& gameFile, bool swapped);

}  // namespace courtlog
