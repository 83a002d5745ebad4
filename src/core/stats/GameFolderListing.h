#pragma once

#include <optional>
#include <string>
#include <vector>

namespace courtlog::stats {

// One name in a folder, as the file system lists it.
struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

// An entry of the game selection's files list.
struct ListedEntry {
    enum class Kind {
        GameFile,  // "game.gam"
        Folder,    // "[name]": a sub-folder
        Parent,    // "[..]"
        Home,      // "[-~-]": the user's home folder
        Root,      // "[-/-]": the root of the file system
    };
    Kind kind = Kind::GameFile;
    std::string text;    // as the list shows it
    std::string target;  // the file's full path, or the folder the entry enters

    bool isGame() const { return kind == Kind::GameFile; }
    bool operator==(const ListedEntry&) const = default;
};

// The files list of the game selection for folder (an absolute path): the
// game files ("*.gam", any letter case) by name, the sub-folders as "[name]",
// the parent as "[..]" (not at the root), and in place of drive letters the
// home folder as "[-~-]" and the root as "[-/-]". Hidden names (starting with
// '.') are left out. The whole list is sorted by its texts, letters compared
// without regard to case.
std::vector<ListedEntry> listGameFolder(const std::string& folder, const std::vector<FolderEntry>& entries,
                                        const std::string& homeFolder);

// What folder holds; nullopt when it cannot be listed (missing, not a
// folder, no permission), which keeps the selection where it was.
std::optional<std::vector<FolderEntry>> readFolderEntries(const std::string& folder);

// "folder/*.gam": what the information area shows for a folder entry.
std::string gameSearchPath(const std::string& folder);

// folder and name joined with one '/'.
std::string pathInFolder(const std::string& folder, const std::string& name);

// The folder above folder ("/" for "/" and for a folder in the root).
std::string parentFolder(const std::string& folder);

}  // namespace courtlog::stats
