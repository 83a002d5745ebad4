#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace courtlog::site {

// A site is written into a new folder beside the one it is for, and only
// when every page is there does it take that folder's place, whole: a
// build that fails or is stopped leaves the folder exactly as it was, and
// a site built again keeps no page of the one before.
//
// The folder must be new, empty, or a site this program built: it lists the
// files it wrote in kManifestName, and a folder holding anything else is
// refused, so that pointing a build at a folder of other files never
// throws them away.
//
// A page that comes out as the site before has it (the list keeps each
// file's size, to read only the pages that may be alike) is linked from the
// old folder instead of written again: a season rebuilt each week rewrites the pages that changed,
// and removing the old folder then frees only what the new one no longer
// holds.
class SiteFolder {
public:
    static constexpr std::string_view kManifestName = ".courtlog-site";

    SiteFolder() = default;
    SiteFolder(const SiteFolder&) = delete;
    SiteFolder& operator=(const SiteFolder&) = delete;
    // Removes the folder being built unless it took its place.
    ~SiteFolder();

    // Checks that target may take a site and makes the folder beside it;
    // false with the reason in error otherwise.
    bool begin(const std::string& target, std::string& error);
    // Writes one file (a plain name) of the site into the new folder.
    bool write(std::string_view name, std::string_view content, std::string& error);
    // Lists the files, flushes them to disk and puts the new folder in the
    // target's place (exchanging the two at once where the file system can,
    // else by two renames that are undone on failure), then removes the old
    // site. false with the reason, and the target as it was, on failure.
    bool commit(std::string& error);

    // The folder the site goes to, once begun.
    const std::filesystem::path& target() const { return target_; }

private:
    std::filesystem::path target_;
    std::filesystem::path building_;
    std::map<std::string, std::size_t> before_;  // the old site's files and sizes
    std::vector<std::pair<std::string, std::size_t>> written_;
    std::vector<std::string> fresh_;  // written, not linked
    bool committed_ = false;
};

}  // namespace courtlog::site
