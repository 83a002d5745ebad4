#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/handheld/HandheldOutcome.h"
#include "core/handheld/ReversibleWrites.h"

namespace courtlog::handheld {

// The Palm desktop software's folder, laid out the way it keeps its users:
// every sub-folder is a Palm user whose folder holds Install/ (files waiting
// for the next HotSync, which copies them to the handheld) and Backup/ (the
// databases the handheld backed up). The user's folder is the user's
// HotSync folder.
class PalmDesktop {
public:
    static constexpr const char* kInstallFolder = "Install";
    static constexpr const char* kBackupFolder = "Backup";
    static constexpr const char* kDefaultFolderName = "Palm";  // in the home folder
    static constexpr std::size_t kMaxUserName = 254;

    // The folder in use: the one set under Handheld Folders, or, when none
    // is set, home/Palm when it exists. nullopt when there is none (the one
    // set is gone, or none is set and home/Palm does not exist).
    static std::optional<PalmDesktop> find(const std::string& configured, const std::string& home);
    // home/Palm.
    static std::string defaultFolder(const std::string& home);

    explicit PalmDesktop(std::string folder) : folder_(std::move(folder)) {}
    const std::string& folder() const { return folder_; }

    // The user names: the sub-folders, hidden ones left out, sorted by name
    // without regard to letter case.
    std::vector<std::string> users() const;

    std::string userFolder(const std::string& user) const;
    std::string installFolder(const std::string& user) const;
    std::string backupFolder(const std::string& user) const;
    // Where a Palm import's file dialog opens for user: the Backup folder,
    // or the user's folder when it has none.
    std::string importStartFolder(const std::string& user) const;

    // Queues file for installation at user's next HotSync: copies it into
    // the user's Install folder (made when missing) through the safe save.
    // The copies are remembered in writes, so a later failing step of the
    // command takes them back. On success the message is the one that says
    // when the file reaches the handheld.
    HandheldOutcome queueForInstall(const std::string& user, const std::string& file,
                                    ReversibleWrites& writes) const;

    // Why name cannot be a new Palm user here, or an empty text.
    std::string newUserProblem(const std::string& name) const;
    // Makes the user's folder with Install/ and Backup/ in it, and the Palm
    // desktop folder itself when it is not there yet (a first user in the
    // default folder); on failure nothing of it is left and the message
    // says why.
    HandheldOutcome addUser(const std::string& name) const;

private:
    std::string folder_;
};

}  // namespace courtlog::handheld
