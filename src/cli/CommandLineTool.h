#pragma once

namespace courtlog::cli {

// True when argv names a verb of the command-line tool (convert, dump, help).
bool isCommandLineVerb(int argc, char** argv);
// Runs the verb; errors go to standard error with a non-zero exit status.
int runCommandLine(int argc, char** argv);

}  // namespace courtlog::cli
