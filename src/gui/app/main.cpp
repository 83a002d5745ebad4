#include "gui/app/Application.h"
#include "cli/CommandLineTool.h"

int main(int argc, char** argv) {
    // Given a verb, the program works as a command-line tool without a window.
    if (courtlog::cli::isCommandLineVerb(argc, argv)) return courtlog::cli::runCommandLine(argc, argv);
    courtlog::gui::app::Application app(argc, argv);
    return app.run();
}
