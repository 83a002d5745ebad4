#include <iostream>
#include <string>
#include <vector>

#include "cli/Verbs.h"
#include "core/output/BoxScore.h"
#include "core/output/BoxScoreHtml.h"
#include "core/output/ExportFile.h"
#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "core/records/Game.h"
#include "core/records/Settings.h"
#include "core/records/SettingsLocation.h"
#include "cli/ExitStatus.h"
#include "cli/VerbSettings.h"

namespace courtlog::cli {

namespace {

constexpr const char* kUsage = "Usage: courtlog boxscore GAME [--html OUT] [--settings FILE]";

int usage() {
    std::cerr << kUsage << "\n";
    return kExitUsage;
}

struct BoxScoreRequest {
    std::string game;
    std::string html;  // empty: the text on standard output
    // Without --settings: the current folder's crtlog.ini, else the user's.
    std::string settings = verbSettingsFile();
    bool settingsGiven = false;
};

bool parseArguments(const std::vector<std::string>& args, BoxScoreRequest& request) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--settings") {
            if (i + 1 >= args.size() || request.settingsGiven) return false;
            request.settings = args[++i];
            request.settingsGiven = true;
        } else if (args[i] == "--html") {
            if (i + 1 >= args.size() || !request.html.empty() || args[i + 1].empty()) return false;
            request.html = args[++i];
        } else if (request.game.empty() && !args[i].empty()) {
            request.game = args[i];
        } else {
            return false;
        }
    }
    return !request.game.empty();
}

}  // namespace

int runBoxScoreVerb(const std::vector<std::string>& args) {
    BoxScoreRequest request;
    if (!parseArguments(args, request)) return usage();

    Settings settings;
    if (!readVerbSettings(request.settings, request.settingsGiven, settings, std::cerr)) return kExitFailed;
    Game game;
    std::string reason;
    if (!game.load(request.game, &reason)) {
        std::cerr << "Can't load game ! " << request.game << (reason.empty() ? "" : ": " + reason) << "\n";
        return kExitFailed;
    }
    const output::BoxScore boxScore(game);
    if (request.html.empty()) {
        for (const std::string& line : boxScore.textLines()) std::cout << line << "\n";
        std::cout << std::flush;
        return kExitDone;
    }
    // On the command line an existing page is replaced without asking.
    const std::string page = output::boxScoreHtml(boxScore, output::HtmlStyle::fromSettings(settings), true,
                                                  output::localTimeNow());
    if (!output::writeExportText(request.html, output::ExportMode::Overwrite, page,
                                 output::ExportEncoding::Utf8, &reason)) {
        std::cerr << "Can't save " << request.html << " !" << (reason.empty() ? "" : " " + reason) << "\n";
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace courtlog::cli
