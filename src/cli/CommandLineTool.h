#pragma once

namespace courtlog::cli {

// True when argv names a verb of the command-line tool (convert, dump, help).
bool isCommandLineVerb(int argc, char** argv);
// True when the one argument is no verb but an existing file: the window
// program opens it. A file named like a verb is given as ./NAME.
bool namesFileToOpen(int argc, char** argv);
// Runs the verb; errors go to standard error with a non-zero exit status.
int runCommandLine(int argc, char** argv);

}  // namespace courtlog::cli
