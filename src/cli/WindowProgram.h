#pragma once

#include <string>

// The command courtlog is a small program without Qt: it runs the verbs
// itself and hands everything else to the window program installed beside
// it, so a verb never waits for Qt's libraries to load.
namespace courtlog::cli {

// The window program's file name, in the folder of the command.
inline constexpr const char* kWindowProgramName = "courtlog-window";

// True when the arguments are the window program's: none, an option of the
// window system, or a verb that draws with it (pdf).
bool belongsToWindowProgram(int argc, char** argv);

// Replaces this process by the window program beside this one (found
// through /proc/self/exe) with the same arguments. Returns only when that
// fails, with the reason.
std::string startWindowProgram(char** argv);

}  // namespace courtlog::cli
