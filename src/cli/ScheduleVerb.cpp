#include <iostream>

#include "cli/Verbs.h"
#include "core/output/ExportFile.h"
#include "core/output/HtmlStyle.h"
#include "core/output/ScheduleExport.h"
#include "core/records/Schedule.h"
#include "core/records/Settings.h"
#include "cli/ExitStatus.h"
#include "cli/VerbSettings.h"

namespace courtlog::cli {

namespace {

int usage() {
    std::cerr << "Usage: courtlog schedule FILE (--csv OUT | --html OUT) [--settings FILE]\n";
    return kExitUsage;
}

}  // namespace

int runScheduleVerb(const std::vector<std::string>& args) {
    std::string schedulePath, outPath, settingsPath = Settings::kFileName;
    bool html = false, settingsGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--csv" || a == "--html") {
            if (i + 1 >= args.size() || !outPath.empty() || args[i + 1].empty()) return usage();
            html = a == "--html";
            outPath = args[++i];
        } else if (a == "--settings") {
            if (i + 1 >= args.size() || settingsGiven) return usage();
            settingsPath = args[++i];
            settingsGiven = true;
        } else if (schedulePath.empty() && !a.empty()) {
            schedulePath = a;
        } else {
            return usage();
        }
    }
    if (schedulePath.empty() || outPath.empty()) return usage();

    // The HTML style is the program's: from the settings file in the folder
    // it runs in, or the one given.
    Settings settings;
    if (!readVerbSettings(settingsPath, settingsGiven, settings, std::cerr)) return kExitFailed;
    Schedule schedule;
    const Schedule::LoadResult loaded = schedule.load(schedulePath);
    if (!loaded.ok()) {
        std::cerr << "Can't load schedule ! " << loaded.error << "\n";
        return kExitFailed;
    }
    // Nobody is there to ask about an existing file: it is replaced whole.
    const std::string text = html ? output::scheduleHtml(schedule, output::HtmlStyle::fromSettings(settings), true,
                                                         output::localTimeNow())
                                  : output::scheduleCsv(schedule);
    const output::ExportMode mode =
        output::exportFileExists(outPath) ? output::ExportMode::Overwrite : output::ExportMode::NewFile;
    std::string reason;
    if (!output::writeExportText(outPath, mode, text, output::pageOrCsvEncoding(html), &reason)) {
        std::cerr << "Can't save " << outPath << " !" << (reason.empty() ? "" : " " + reason) << "\n";
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace courtlog::cli
