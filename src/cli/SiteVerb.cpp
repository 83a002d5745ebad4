#include <iostream>
#include <string>
#include <vector>

#include "cli/Verbs.h"
#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "core/records/Schedule.h"
#include "core/records/Settings.h"
#include "core/records/SettingsLocation.h"
#include "core/site/SiteBuild.h"
#include "cli/ExitStatus.h"
#include "cli/VerbSettings.h"

namespace courtlog::cli {

namespace {

constexpr const char* kUsage =
    "Usage: courtlog site --out DIR [--title TEXT] [--schedule FILE] [--settings FILE] GAME...";

struct SiteArguments {
    std::string out;
    std::string title;
    std::string schedule;
    std::string settings = verbSettingsFile();
    bool titleGiven = false;
    bool settingsGiven = false;
    std::vector<std::string> games;
};

bool parseArguments(const std::vector<std::string>& args, SiteArguments& parsed) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool takesValue = a == "--out" || a == "--title" || a == "--schedule" || a == "--settings";
        if (takesValue && i + 1 >= args.size()) return false;
        if (a == "--out") {
            if (!parsed.out.empty() || args[i + 1].empty()) return false;
            parsed.out = args[++i];
        } else if (a == "--title") {
            if (parsed.titleGiven) return false;
            parsed.title = args[++i];
            parsed.titleGiven = true;
        } else if (a == "--schedule") {
            if (!parsed.schedule.empty() || args[i + 1].empty()) return false;
            parsed.schedule = args[++i];
        } else if (a == "--settings") {
            if (parsed.settingsGiven) return false;
            parsed.settings = args[++i];
            parsed.settingsGiven = true;
        } else if (!a.empty()) {
            parsed.games.push_back(a);
        } else {
            return false;
        }
    }
    return !parsed.out.empty() && !parsed.games.empty();
}

}  // namespace

int runSiteVerb(const std::vector<std::string>& args) {
    SiteArguments parsed;
    if (!parseArguments(args, parsed)) {
        std::cerr << kUsage << "\n";
        return kExitUsage;
    }
    Settings settings;
    if (!readVerbSettings(parsed.settings, parsed.settingsGiven, settings, std::cerr)) return kExitFailed;
    Schedule schedule;
    if (!parsed.schedule.empty()) {
        const Schedule::LoadResult loaded = schedule.load(parsed.schedule);
        if (!loaded.ok()) {
            std::cerr << "Can't load schedule ! " << loaded.error << "\n";
            return kExitFailed;
        }
    }
    site::SiteRequest request;
    request.folder = parsed.out;
    request.title = parsed.title;
    request.games = parsed.games;
    request.schedule = parsed.schedule.empty() ? nullptr : &schedule;
    request.style = output::HtmlStyle::fromSettings(settings);
    request.now = output::localTimeNow();
    const site::SiteOutcome outcome = site::buildSite(request);
    for (const std::string& warning : outcome.warnings) std::cerr << warning << "\n";
    if (outcome.result != site::SiteOutcome::Result::Built) {
        std::cerr << outcome.message << "\n";
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace courtlog::cli
