#include "gui/app/TMyApp.h"
#include "cli/CommandLineTool.h"

int main(int argc, char** argv) {
    // Given a verb, the program works as a command-line tool without a window.
    if (courtlog::cli::isCommandLineVerb(argc, argv)) return courtlog::cli::runCommandLine(argc, argv);
    courtlog::app::TMyApp app(argc, argv);
    return app.run();
}
