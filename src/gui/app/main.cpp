#include "gui/app/Application.h"
#include "gui/app/PdfCommand.h"
#include "cli/CommandLineTool.h"

int main(int argc, char** argv) {
    // PDFs are drawn with the window program's painting, without a window.
    if (courtlog::gui::app::isPdfCommand(argc, argv)) return courtlog::gui::app::runPdfCommandLine(argc, argv);
    // Given another verb, the program works as a command-line tool without a window.
    if (courtlog::cli::isCommandLineVerb(argc, argv)) return courtlog::cli::runCommandLine(argc, argv);
    courtlog::gui::app::Application app(argc, argv);
    return app.run();
}
