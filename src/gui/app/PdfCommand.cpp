#include "gui/app/PdfCommand.h"

#include <QApplication>
#include <QDir>
#include <QString>
#include <iostream>

#include "core/output/HtmlPage.h"
#include "core/records/FileKind.h"
#include "core/records/Schedule.h"
#include "core/records/Settings.h"
#include "core/records/SettingsLocation.h"
#include "gui/app/ShotChartPdf.h"
#include "gui/app/StatisticsPdf.h"
#include "gui/people/SchedulePrintout.h"
#include "gui/stats/BoxScorePrintout.h"
#include "gui/app/TeamPdfKinds.h"
#include "gui/output/BlankScoreSheetPrintout.h"
#include "gui/output/ScoreSheetCommands.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/PageFrame.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"
#include "cli/ExitStatus.h"

namespace courtlog::gui::app {

namespace {


void printUsage(const std::vector<PdfKind>& kinds) {
    std::cerr << "Usage: courtlog pdf KIND ARGS... OUT.pdf\n";
    if (kinds.empty()) {
        std::cerr << "No printout can be written as PDF in this version.\n";
        return;
    }
    std::cerr << "\nKinds:\n";
    for (const PdfKind& kind : kinds) {
        std::string line = std::string("  courtlog pdf ") + kind.name + (*kind.arguments ? " " : "") +
                           kind.arguments + " OUT.pdf";
        std::cerr << line << std::string(line.size() < 44 ? 44 - line.size() : 1, ' ') << kind.summary << "\n";
    }
}

// schedule FILE: the schedule's printout, as its editor's "&Print" shows it.
PdfRequest scheduleRequest(const std::vector<std::string>& args) {
    if (args.size() != 1) return PdfRequest::wrongArguments("courtlog pdf schedule takes one schedule file");
    Schedule schedule;
    const Schedule::LoadResult loaded = schedule.load(args[0]);
    if (!loaded.ok()) return PdfRequest::failed("Can't load schedule ! " + loaded.error);
    return PdfRequest::ready(
        std::make_unique<people::SchedulePrintout>(schedule, courtlog::output::localTimeNow()));
}

PdfRequest prepareBoxScore(const std::vector<std::string>& args) {
    if (args.size() != 1) return PdfRequest::wrongArguments("boxscore needs one game file");
    std::string error;
    std::unique_ptr<ui::Printout> printout = stats::boxScorePrintoutOfFile(args[0], error);
    return printout ? PdfRequest::ready(std::move(printout)) : PdfRequest::failed(error);
}

// "scoresheet GAME [--home|--visitor|--both]": both teams unless one is named.
PdfRequest prepareScoreSheet(const std::vector<std::string>& args) {
    using courtlog::output::SheetTeams;
    if (args.empty() || args.size() > 2) return PdfRequest::wrongArguments("scoresheet needs one game file");
    SheetTeams teams = SheetTeams::Both;
    if (args.size() == 2) {
        if (args[1] == "--home") teams = SheetTeams::Home;
        else if (args[1] == "--visitor") teams = SheetTeams::Visitor;
        else if (args[1] != "--both") return PdfRequest::wrongArguments("Unknown option: " + args[1]);
    }
    std::string error;
    auto sheets = output::gameScoreSheets(ui::fromRecordPath(args[0]), teams, &error);
    if (!sheets) return PdfRequest::failed(error);
    return PdfRequest::ready(std::move(sheets));
}

// "blank PAGES [--halves|--quarters]": as the league options say unless chosen.
PdfRequest prepareBlankSheets(const std::vector<std::string>& args) {
    if (args.empty() || args.size() > 2) return PdfRequest::wrongArguments("blank needs a number of pages");
    const std::string& count = args[0];
    if (count.size() != 1 || count[0] < '1' || count[0] > '9')
        return PdfRequest::wrongArguments("PAGES is a number from 1 to 9: " + count);
    bool halves = ui::programSettings().league.halves;
    if (args.size() == 2) {
        if (args[1] == "--halves") halves = true;
        else if (args[1] == "--quarters") halves = false;
        else return PdfRequest::wrongArguments("Unknown option: " + args[1]);
    }
    return PdfRequest::ready(std::make_unique<output::BlankScoreSheetPrintout>(
        count[0] - '0', halves, ui::printedFootLink()));
}

}  // namespace

const std::vector<PdfKind>& pdfKinds() {
    // Each printout of the program adds its row here.
    static const std::vector<PdfKind> kinds{
        {"stats", "(--team NAME [--opponents|--combined] | --all) [--fit] GAME...", "the statistics printout",
         prepareStatisticsPdf},
        {"shots", "(--team NAME [--opponents] | --all) [--player NAME] [--period P] [--kind K] GAME...",
         "the shot chart", prepareShotChartPdf},
        {"schedule", "FILE", "a schedule, one line per event", scheduleRequest},
        {"boxscore", "GAME", "the box score of a saved game", prepareBoxScore},
        {"roster", "TEAM", "the team's roster, as the team editor prints it", prepareRosterPdf},
        {"addresses", "TEAM", "the players' address list", prepareAddressListPdf},
        {"scoresheet", "GAME [--home|--visitor|--both]", "a game's score sheets (both teams unless one is named)",
         prepareScoreSheet},
        {"blank", "PAGES [--halves|--quarters]", "1 to 9 blank score sheets (as the league options unless named)",
         prepareBlankSheets},
    };
    return kinds;
}

bool isPdfCommand(int argc, char** argv) {
    return argc >= 2 && argv && argv[1] && std::string(argv[1]) == "pdf";
}

int runPdfCommand(const std::vector<std::string>& args, const std::vector<PdfKind>& kinds) {
    if (args.empty()) {
        printUsage(kinds);
        return cli::kExitUsage;
    }
    const PdfKind* kind = nullptr;
    for (const PdfKind& k : kinds)
        if (args[0] == k.name) kind = &k;
    if (!kind) {
        std::cerr << "Unknown printout: " << args[0] << "\n\n";
        printUsage(kinds);
        return cli::kExitUsage;
    }
    if (args.size() < 2 || fileKindOf(args.back()) != FileKind::Pdf) {
        std::cerr << "Usage: courtlog pdf " << kind->name << (*kind->arguments ? " " : "") << kind->arguments
                  << " OUT.pdf\n";
        return cli::kExitUsage;
    }
    const std::string& out = args.back();
    PdfRequest request = kind->prepare(std::vector<std::string>(args.begin() + 1, args.end() - 1));
    if (!request.printout) {
        std::cerr << (request.message.empty() ? std::string("Can't write ") + out : request.message) << "\n";
        if (request.status == cli::kExitUsage)
            std::cerr << "Usage: courtlog pdf " << kind->name << (*kind->arguments ? " " : "") << kind->arguments
                      << " OUT.pdf\n";
        return request.status == cli::kExitUsage ? cli::kExitUsage : cli::kExitFailed;
    }
    std::string reason;
    if (!ui::printToPdf(*request.printout, ui::fromRecordPath(out), &reason)) {
        std::cerr << "Can't save " << out << " !" << (reason.empty() ? "" : "\n" + reason) << "\n";
        return cli::kExitFailed;
    }
    return request.status == cli::kExitDone ? cli::kExitDone : cli::kExitFailed;
}

int runPdfCommandLine(int argc, char** argv) {
    // No window opens, so no display is needed.
    // The words are taken before Qt reads its own options out of argv.
    std::vector<std::string> args;
    for (int i = 2; i < argc; ++i) args.emplace_back(argv[i] ? argv[i] : "");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries this command's own messages; Qt's notes about
    // the session it runs in (no runtime folder, no sound) are no concern of
    // a script.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
    });
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(ui::kApplicationName);
    // The settings every verb reads: the current folder's, else the user's.
    ui::programSettings().readSettings(verbSettingsFile());
    return runPdfCommand(args);
}

}  // namespace courtlog::gui::app
