#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/ExitStatus.h"
#include "gui/ui/Printing.h"

// "courtlog pdf KIND ARGS... OUT.pdf": a printout written as a PDF file
// without a window, for scripts. The window program handles it (pages are
// drawn with Qt) before any window shows.
namespace courtlog::gui::app {

// What a kind made of its arguments: the printout to write, or why not.
struct PdfRequest {
    std::unique_ptr<ui::Printout> printout;
    // An exit status (cli/ExitStatus.h). Without a printout: failed (a file
    // that does not load...) or wrong usage. With one: done, or failed when a
    // game file was left out of it (the PDF is written, then the command
    // fails).
    int status = cli::kExitDone;
    std::string message;  // without a printout: the reason, for standard error

    static PdfRequest ready(std::unique_ptr<ui::Printout> printout, int status = cli::kExitDone) {
        return {std::move(printout), status, {}};
    }
    static PdfRequest failed(std::string why) { return {nullptr, cli::kExitFailed, std::move(why)}; }
    static PdfRequest wrongArguments(std::string why) { return {nullptr, cli::kExitUsage, std::move(why)}; }
};

// One kind of printout. Adding a printout to the command is adding one row
// to the table of pdfKinds() with a function that reads the arguments and
// builds the printout (the same printout the window's "&Print" previews).
struct PdfKind {
    const char* name;       // the KIND word, e.g. "boxscore"
    const char* arguments;  // what stands between KIND and OUT.pdf, e.g. "GAME"
    const char* summary;    // one line for the usage
    // args are the words between KIND and OUT.pdf.
    PdfRequest (*prepare)(const std::vector<std::string>& args);
};

// Every kind the program writes, in the order the usage lists them.
const std::vector<PdfKind>& pdfKinds();

// True when the program was started as "courtlog pdf ...".
bool isPdfCommand(int argc, char** argv);

// Runs "pdf" with the words after it against kinds; needs a running
// QGuiApplication. Writes OUT.pdf through the safe save and returns the exit
// status: done, failed, or wrong usage (the usage on standard error).
int runPdfCommand(const std::vector<std::string>& args, const std::vector<PdfKind>& kinds = pdfKinds());

// The whole run from main: a windowless application (offscreen unless the
// caller chose a platform), the settings file of the current folder (for
// the page foot link), then runPdfCommand.
int runPdfCommandLine(int argc, char** argv);

}  // namespace courtlog::gui::app
