#include "core/stats/GameFolderListing.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/records/FileKind.h"

namespace courtlog::stats {

namespace {

// Case-blind first, so "b.gam" follows "A.gam"; exact bytes settle ties.
bool listedBefore(const ListedEntry& a, const ListedEntry& b) {
    const auto lower = [](char c) { return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c))); };
    const bool less = std::lexicographical_compare(a.text.begin(), a.text.end(), b.text.begin(), b.text.end(),
                                                   [&](char x, char y) { return lower(x) < lower(y); });
    if (less) return true;
    const bool greater = std::lexicographical_compare(b.text.begin(), b.text.end(), a.text.begin(), a.text.end(),
                                                      [&](char x, char y) { return lower(x) < lower(y); });
    return !greater && a.text < b.text;
}

}  // namespace

std::string pathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string gameSearchPath(const std::string& folder) { return pathInFolder(folder, "*" + std::string(extensionOf(FileKind::Game))); }

std::string parentFolder(const std::string& folder) {
    std::string trimmed = folder;
    while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
    const auto slash = trimmed.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return "/";
    return trimmed.substr(0, slash);
}

std::vector<ListedEntry> listGameFolder(const std::string& folder, const std::vector<FolderEntry>& entries,
                                        const std::string& homeFolder) {
    using Kind = ListedEntry::Kind;
    std::vector<ListedEntry> listed;
    for (const FolderEntry& entry : entries) {
        if (entry.name.empty() || entry.name.front() == '.') continue;
        if (entry.isFolder)
            listed.push_back({Kind::Folder, "[" + entry.name + "]", pathInFolder(folder, entry.name)});
        else if (fileKindOf(entry.name) == FileKind::Game)
            listed.push_back({Kind::GameFile, entry.name, pathInFolder(folder, entry.name)});
    }
    if (folder.find_first_not_of('/') != std::string::npos) listed.push_back({Kind::Parent, "[..]", parentFolder(folder)});
    if (!homeFolder.empty()) listed.push_back({Kind::Home, "[-~-]", homeFolder});
    listed.push_back({Kind::Root, "[-/-]", "/"});
    std::sort(listed.begin(), listed.end(), listedBefore);
    return listed;
}

std::optional<std::vector<FolderEntry>> readFolderEntries(const std::string& folder) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) return std::nullopt;
    std::vector<FolderEntry> entries;
    for (const auto end = std::filesystem::directory_iterator(); it != end; it.increment(ec)) {
        if (ec) return std::nullopt;
        std::error_code kindError;
        // Links count as what they point to; a broken one as a file.
        const bool isFolder = it->is_directory(kindError);
        entries.push_back({it->path().filename().string(), isFolder && !kindError});
    }
    if (ec) return std::nullopt;
    return entries;
}

}  // namespace courtlog::stats
