// courtlog: the verbs run here, without Qt; no verb (or a verb that draws)
// starts the window program beside this one in this process's place.
#include <iostream>
#include <string>

#include "cli/CommandLineTool.h"
#include "cli/WindowProgram.h"
#include "cli/ExitStatus.h"

int main(int argc, char** argv) {
    using namespace courtlog::cli;
    if (belongsToWindowProgram(argc, argv)) {
        // Only a failed hand-over comes back: say why, then a drawing verb
        // says what it needs itself.
        std::cerr << startWindowProgram(argv) << "\n";
        if (!isCommandLineVerb(argc, argv)) return kExitFailed;
    }
    return runCommandLine(argc, argv);
}
