#pragma once

#include <string>

#include "core/handheld/HandheldTexts.h"

// The file names the handheld commands work out for themselves.
namespace courtlog::handheld {

// The companion application the handheld runs, looked for in the folder the
// program started in.
inline constexpr const char* kCompanionFileName = "Hoopmate.prc";
std::string companionPath(const std::string& startDirectory);

// The bare file name (bareFileName), and the folder before it ("." for none).
std::string fileNameOf(const std::string& path);
std::string folderOf(const std::string& path);

// The Palm database written for a team file: the same folder and name with
// the extension ".pdb" (added when the name has none). A team file that is
// itself named .pdb gets ".pdb" added, so its database never replaces it.
std::string databasePathBeside(const std::string& teamPath);

// The desktop file name proposed for a Palm database: the database's name
// without its folder, extension ".tem" for a team and ".gam" for a game.
std::string proposedDesktopName(const std::string& databasePath, DesktopFileKind kind);

// True when both name the same file (through links too), or the same path
// when neither exists yet.
bool sameFile(const std::string& a, const std::string& b);

}  // namespace courtlog::handheld
