#include <iostream>
#include <string>
#include <vector>

#include "cli/Verbs.h"
#include "core/output/AddressList.h"
#include "core/output/ExportFile.h"
#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "core/output/RosterText.h"
#include "core/records/Settings.h"
#include "core/records/SettingsLocation.h"
#include "core/records/Team.h"
#include "core/records/TeamSource.h"
#include "cli/ExitStatus.h"
#include "cli/VerbSettings.h"

namespace courtlog::cli {

namespace {

struct TeamExportRequest {
    std::string team;
    std::string out;
    bool html = false;
    bool personal = false;
    // Without --settings: the current folder's crtlog.ini, else the user's.
    std::string settings = verbSettingsFile();
    bool settingsGiven = false;
};

bool parseArguments(const std::vector<std::string>& args, bool personalAllowed, TeamExportRequest& request) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--settings") {
            if (i + 1 >= args.size() || request.settingsGiven) return false;
            request.settings = args[++i];
            request.settingsGiven = true;
        } else if (word == "--csv" || word == "--html") {
            if (i + 1 >= args.size() || !request.out.empty() || args[i + 1].empty()) return false;
            request.html = word == "--html";
            request.out = args[++i];
        } else if (word == "--personal" && personalAllowed && !request.personal) {
            request.personal = true;
        } else if (request.team.empty() && !word.empty() && word[0] != '-') {
            request.team = word;
        } else {
            return false;
        }
    }
    return !request.team.empty() && !request.out.empty();
}

// Both verbs: the team and the style in, the text out through the safe save.
// On the command line an existing file is replaced without asking.
template <class MakeText>
int runTeamExport(const std::vector<std::string>& args, bool personalAllowed, const char* usage,
                  MakeText makeText) {
    TeamExportRequest request;
    if (!parseArguments(args, personalAllowed, request)) {
        std::cerr << usage << "\n";
        return kExitUsage;
    }
    Settings settings;
    if (!readVerbSettings(request.settings, request.settingsGiven, settings, std::cerr)) return kExitFailed;
    Team team;
    std::string message;
    if (!readTeamOrRoster(request.team, team, &message)) {
        std::cerr << message << "\n";
        return kExitFailed;
    }
    const std::string text = makeText(team, request, output::HtmlStyle::fromSettings(settings));
    std::string reason;
    if (!output::writeExportText(request.out, output::ExportMode::Overwrite, text,
                                 output::pageOrCsvEncoding(request.html), &reason)) {
        std::cerr << "Can't save " << request.out << " !" << (reason.empty() ? "" : " " + reason) << "\n";
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace

int runRosterVerb(const std::vector<std::string>& args) {
    return runTeamExport(
        args, true, "Usage: courtlog roster TEAM (--csv OUT | --html OUT) [--personal] [--settings FILE]",
        [](const Team& team, const TeamExportRequest& request, const output::HtmlStyle& style) {
            const auto kind =
                request.html ? output::ExportKind::Html : output::ExportKind::CommaDelimited;
            return output::rosterText(team, kind, request.personal, true, style, output::localTimeNow());
        });
}

int runAddressesVerb(const std::vector<std::string>& args) {
    return runTeamExport(
        args, false, "Usage: courtlog addresses TEAM (--csv OUT | --html OUT) [--settings FILE]",
        [](const Team& team, const TeamExportRequest& request, const output::HtmlStyle& style) {
            return output::addressListText(team, request.html, true, style, output::localTimeNow());
        });
}

}  // namespace courtlog::cli
