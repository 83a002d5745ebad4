#include <iostream>

#include "cli/Verbs.h"
#include "core/output/ExportFile.h"
#include "core/output/HtmlStyle.h"
#include "core/output/ScheduleCalendar.h"
#include "core/output/ScheduleExport.h"
#include "core/records/Schedule.h"
#include "core/records/Settings.h"
#include "core/records/SettingsLocation.h"
#include "cli/ExitStatus.h"
#include "cli/VerbSettings.h"

namespace courtlog::cli {

namespace {

int usage() {
    std::cerr << "Usage: courtlog schedule FILE (--csv OUT | --html OUT | --ics OUT) [--settings FILE]\n";
    return kExitUsage;
}

}  // namespace

int runScheduleVerb(const std::vector<std::string>& args) {
    std::string schedulePath, outPath, settingsPath = verbSettingsFile();
    enum class Kind { Csv, Html, Calendar } kind = Kind::Csv;
    bool settingsGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--csv" || a == "--html" || a == "--ics") {
            if (i + 1 >= args.size() || !outPath.empty() || args[i + 1].empty()) return usage();
            kind = a == "--html" ? Kind::Html : a == "--ics" ? Kind::Calendar : Kind::Csv;
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
    std::string text;
    if (kind == Kind::Calendar) {
        output::ScheduleCalendar calendar = output::scheduleCalendar(schedule, output::utcTimeNow());
        for (const std::string& warning : calendar.warnings) std::cerr << warning << "\n";
        // A calendar file holds at least one event.
        if (calendar.events == 0) {
            std::cerr << "Can't save " << outPath << " ! The schedule has no entry with a date to put in a calendar\n";
            return kExitFailed;
        }
        text = std::move(calendar.text);
    } else if (kind == Kind::Html) {
        text = output::scheduleHtml(schedule, output::HtmlStyle::fromSettings(settings), true, output::localTimeNow());
    } else {
        text = output::scheduleCsv(schedule);
    }
    // Nobody is there to ask about an existing file: it is replaced whole.
    const output::ExportMode mode =
        output::exportFileExists(outPath) ? output::ExportMode::Overwrite : output::ExportMode::NewFile;
    std::string reason;
    // The calendar is UTF-8 already; the exports are record text.
    const bool written = kind == Kind::Calendar
                             ? output::writeExportFile(outPath, mode, text, &reason)
                             : output::writeExportText(outPath, mode, text,
                                                       output::pageOrCsvEncoding(kind == Kind::Html), &reason);
    if (!written) {
        std::cerr << "Can't save " << outPath << " !" << (reason.empty() ? "" : " " + reason) << "\n";
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace courtlog::cli
