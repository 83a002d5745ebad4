#include "core/handheld/HandheldTexts.h"

#include "core/handheld/HandheldPaths.h"

namespace courtlog::handheld {

namespace {

const char* kindName(DesktopFileKind kind) { return kind == DesktopFileKind::Team ? "team" : "game"; }
const char* kindTitle(DesktopFileKind kind) { return kind == DesktopFileKind::Team ? "Team" : "Game"; }

}  // namespace

HandheldMessage palmDesktopMissingMessage(const std::string& configured) {
    std::string text = configured.empty()
                           ? std::string("No Palm desktop folder is set, and there is no Palm folder in your home "
                                         "folder.")
                           : "The Palm desktop folder " + configured + " cannot be found.";
    text += std::string("\n\nSet the Palm desktop folder under ") + kHandheldFoldersPlace + ".";
    return {text, "Palm Desktop Folder Not Found", MessageIcon::Information};
}

HandheldMessage noPalmUsersMessage(PalmUserPurpose purpose) {
    const char* text = purpose == PalmUserPurpose::Install      ? "Cannot Install File"
                       : purpose == PalmUserPurpose::TeamImport ? "Cannot Import Team From Palm"
                                                                : "Cannot Import Game From Palm";
    return {text, "No Users Found", MessageIcon::Information};
}

HandheldMessage installedMessage(const std::string& path) {
    return {fileNameOf(path) + " should be available on your Palm after your next HotSync",
            "Palm Companion File Successfully Installed", MessageIcon::Information};
}

HandheldMessage installFailedMessage(const std::string& path, const std::string& installFolder,
                                     const std::string& reason) {
    std::string text = "Could not copy " + fileNameOf(path) + " into " + installFolder + " for your next HotSync.";
    if (!reason.empty()) text += "\n" + reason;
    return {text, "Palm Install Failed", MessageIcon::Exclamation};
}

HandheldMessage companionMissingQuestion(const std::string& lookedFor) {
    return {"Unable to locate the Courtlog Companion Application.\n\n"
            "Would you like to manually search your computer for this file ?",
            lookedFor, MessageIcon::Question};
}

HandheldMessage syncFolderMissingMessage() {
    return {std::string("No device folder to synchronise files with was chosen or found.\n\n"
                        "Add your device and the folder it synchronises with under ") +
                kHandheldFoldersPlace + ", or see the Help for other ways to copy files to and from your device.",
            "Cannot find path to Synchronize Files", MessageIcon::Exclamation};
}

HandheldMessage importCompleteMessage(DesktopFileKind kind, const std::string& savedPath) {
    return {std::string(kindTitle(kind)) + " Created from Palm Database: " + savedPath,
            std::string(kindTitle(kind)) + " Import Complete", MessageIcon::Information};
}

HandheldMessage cantLoadMessage(DesktopFileKind kind) {
    if (kind == DesktopFileKind::Team)
        return {"Can't load team !", "File corrupt or missing ?", MessageIcon::Exclamation};
    return {"Can't load game !", "File corrupt ?", MessageIcon::None};
}

HandheldMessage cantSaveMessage(DesktopFileKind kind, const std::string& path, const std::string& reason) {
    std::string text = std::string("Can't save ") + kindName(kind) + " !\n" + path;
    if (!reason.empty()) text += "\n" + reason;
    return {text, "Error", MessageIcon::Exclamation};
}

HandheldMessage palmConversionMessage(const PalmResult& result) {
    return {result.message, result.caption, MessageIcon::Exclamation};
}

HandheldMessage sameFileMessage(const std::string& path) {
    return {path + " is the file being copied; choose another name or folder for the new file.", "Error",
            MessageIcon::Exclamation};
}

}  // namespace courtlog::handheld
