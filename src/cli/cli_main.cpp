// courtlog: the verbs run here, without Qt; no verb (or a verb that draws)
// starts the window program beside this one in this process's place.
#include <iostream>
#include <string>

#include "cli/CommandLineTool.h"
#include "cli/WindowProgram.h"

int main(int argc, char** argv) {
    using namespace courtlog::cli;
    if (belongsToWindowProgram(argc, argv)) {
        const std::string failure = startWindowProgram(argv);
        // A drawing verb without the window program says so itself.
        if (!isCommandLineVerb(argc, argv)) {
            std::cerr << failure << "\n";
            return 1;
        }
    }
    return runCommandLine(argc, argv);
}
