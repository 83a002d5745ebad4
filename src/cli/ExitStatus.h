#pragma once

// The exit status of the command courtlog, each of its verbs and the window
// program's pdf verb: the one definition every one of them returns.
namespace courtlog::cli {

inline constexpr int kExitDone = 0;
// The verb ran and failed: a file that could not be read or written, a
// damaged record, a game left out.
inline constexpr int kExitFailed = 1;
// The arguments were wrong: the usage went to standard error.
inline constexpr int kExitUsage = 2;

}  // namespace courtlog::cli
