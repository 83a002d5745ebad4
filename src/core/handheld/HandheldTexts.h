#pragma once

#include <string>

#include "core/handheld/HandheldMessage.h"
#include "core/handheld/PalmResult.h"

// The messages of the handheld commands. Line breaks are "\n", the one a
// message box on this platform breaks at.
namespace courtlog::handheld {

// The handheld commands that need a Palm user, by the text they show when
// the Palm desktop has none.
enum class PalmUserPurpose { Install, TeamImport, GameImport };

// What a desktop file kind is called in messages and which extension it has.
enum class DesktopFileKind { Team, Game };

// Where the Palm desktop folder is set, named in every message about it.
inline constexpr const char* kHandheldFoldersPlace = "Options > Handheld Folders";

// No usable Palm desktop folder: none set and no ~/Palm, or the one set is
// gone (configured names it).
HandheldMessage palmDesktopMissingMessage(const std::string& configured);

// "Cannot Install File" and its import siblings, caption "No Users Found".
HandheldMessage noPalmUsersMessage(PalmUserPurpose purpose);

// "<file> should be available on your Palm after your next HotSync".
HandheldMessage installedMessage(const std::string& path);
// The file could not be copied into the user's Install folder.
HandheldMessage installFailedMessage(const std::string& path, const std::string& installFolder,
                                     const std::string& reason);

// Asked when the companion application is not where it is looked for; the
// caption is the path looked for.
HandheldMessage companionMissingQuestion(const std::string& lookedFor);

// No device partner taken, or its folder is gone.
HandheldMessage syncFolderMissingMessage();

// "Team Created from Palm Database: <path>", caption "Team Import Complete",
// and the same for a game.
HandheldMessage importCompleteMessage(DesktopFileKind kind, const std::string& savedPath);

// The load failures the desktop file commands show elsewhere too.
HandheldMessage cantLoadMessage(DesktopFileKind kind);
// "Can't save team !" with the path and the reason, caption "Error".
HandheldMessage cantSaveMessage(DesktopFileKind kind, const std::string& path, const std::string& reason);

// A refused or unwritable Palm database, as the conversion words it.
HandheldMessage palmConversionMessage(const PalmResult& result);

// The file a command read from would be written over by what it makes.
HandheldMessage sameFileMessage(const std::string& path);

}  // namespace courtlog::handheld
