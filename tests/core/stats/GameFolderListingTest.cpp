// The files list of the game selection: what a folder shows, in what order,
// and where each entry leads.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "RecordBuilders.h"
#include "core/stats/GameFolderListing.h"

namespace courtlog::stats {
namespace {

using Texts = std::vector<std::string>;

struct ListingCase {
    const char* name;
    const char* folder;
    std::vector<FolderEntry> entries;
    Texts texts;
};
void PrintTo(const ListingCase& c, std::ostream* os) { *os << c.name; }

class FolderListing : public ::testing::TestWithParam<ListingCase> {};

TEST_P(FolderListing, ShowsGamesFoldersAndTheWaysOut) {
    Texts texts;
    for (const ListedEntry& entry : listGameFolder(GetParam().folder, GetParam().entries, "/home/scorer"))
        texts.push_back(entry.text);
    EXPECT_EQ(texts, GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FolderListing,
    ::testing::Values(
        ListingCase{"EmptyFolder", "/games", {}, {"[-/-]", "[-~-]", "[..]"}},
        ListingCase{"RootHasNoParent", "/", {{"games", true}}, {"[-/-]", "[-~-]", "[games]"}},
        ListingCase{"GamesAndFoldersSortedTogetherByName",
                    "/games",
                    {{"week2.gam", false}, {"Archive", true}, {"Week1.gam", false}, {"2023", true}},
                    {"[-/-]", "[-~-]", "[..]", "[2023]", "[Archive]", "Week1.gam", "week2.gam"}},
        ListingCase{"OnlyGameFilesAnyCase",
                    "/games",
                    {{"final.GAM", false}, {"notes.txt", false}, {"team.tem", false}, {".gam", false}},
                    {"[-/-]", "[-~-]", "[..]", "final.GAM"}},
        ListingCase{"HiddenNamesLeftOut",
                    "/games",
                    {{".cache", true}, {".old.gam", false}, {"a.gam", false}},
                    {"[-/-]", "[-~-]", "[..]", "a.gam"}},
        ListingCase{"FolderNamedLikeAGameIsAFolder", "/games", {{"old.gam", true}},
                    {"[-/-]", "[-~-]", "[..]", "[old.gam]"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FolderListing, EntriesLeadToTheirFileOrFolder) {
    const auto listed = listGameFolder("/games/2024", {{"a.gam", false}, {"playoffs", true}}, "/home/scorer");
    std::vector<std::pair<ListedEntry::Kind, std::string>> targets;
    for (const ListedEntry& entry : listed) targets.emplace_back(entry.kind, entry.target);
    using Kind = ListedEntry::Kind;
    EXPECT_EQ(targets, (std::vector<std::pair<Kind, std::string>>{{Kind::Root, "/"},
                                                                   {Kind::Home, "/home/scorer"},
                                                                   {Kind::Parent, "/games"},
                                                                   {Kind::Folder, "/games/2024/playoffs"},
                                                                   {Kind::GameFile, "/games/2024/a.gam"}}));
    EXPECT_EQ(parentFolder("/games"), "/");
    EXPECT_EQ(parentFolder("/games/2024/"), "/games");
    EXPECT_EQ(gameSearchPath("/games"), "/games/*.gam");
    EXPECT_EQ(gameSearchPath("/"), "/*.gam");
}

TEST(FolderListing, ReadsAFolderAndRefusesWhatIsNone) {
    const courtlog::testing::ScratchFolder folder;
    courtlog::testing::writeFile(folder.file("a.gam"), "x");
    std::filesystem::create_directory(folder.file("sub"));
    auto entries = readFolderEntries(folder.path());
    ASSERT_TRUE(entries.has_value());
    std::sort(entries->begin(), entries->end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ((*entries)[0].name, "a.gam");
    EXPECT_FALSE((*entries)[0].isFolder);
    EXPECT_TRUE((*entries)[1].isFolder);
    EXPECT_FALSE(readFolderEntries(folder.file("missing")).has_value());
    EXPECT_FALSE(readFolderEntries(folder.file("a.gam")).has_value());
}

}  // namespace
}  // namespace courtlog::stats
