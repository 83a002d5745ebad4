#include <cstdio>
#include <iostream>
#include <string_view>

#include "cli/Verbs.h"
#include "core/records/Game.h"
#include "core/records/JsonStreamWriter.h"
#include "core/records/Settings.h"
#include "core/records/SettingsLocation.h"
#include "cli/ConsoleSummary.h"
#include "cli/ExitStatus.h"

namespace courtlog::cli {

namespace {

int usage() {
    std::cerr << "Usage: courtlog summary GAME [--settings FILE]\n";
    return kExitUsage;
}

}  // namespace

int runSummaryVerb(const std::vector<std::string>& args) {
    std::string gamePath;
    // Without --settings: the current folder's crtlog.ini, else the user's.
    std::string settingsPath = verbSettingsFile();
    bool settingsGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--settings") {
            if (i + 1 >= args.size() || settingsGiven) return usage();
            settingsPath = args[++i];
            settingsGiven = true;
        } else if (gamePath.empty() && !args[i].empty()) {
            gamePath = args[i];
        } else {
            return usage();
        }
    }
    if (gamePath.empty()) return usage();

    Settings settings;
    settings.setDefaults();
    std::string settingsError;
    // Without --settings, a missing settings file leaves the defaults.
    if (!settings.readSettings(settingsPath, &settingsError) && settingsGiven) {
        std::cerr << settingsError << "\n";
        return kExitFailed;
    }
    Game game;
    std::string reason;
    if (!game.load(gamePath, &reason)) {
        std::cerr << "Can't load game ! " << gamePath << (reason.empty() ? "" : ": " + reason) << "\n";
        return kExitFailed;
    }
    JsonStreamWriter out(writeToStandardOutput);
    writeConsoleSummary(out, game, settings.league);
    if (!out.finishDocument() || std::fflush(stdout) != 0) {
        std::cerr << "Can't write to standard output\n";
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace courtlog::cli
