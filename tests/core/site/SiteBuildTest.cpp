// Building a site into a folder: every page there, every link inside it,
// and the folder exactly as it was whenever a build does not finish.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "RecordBuilders.h"
#include "core/site/SiteBuild.h"
#include "core/site/SiteFolder.h"

namespace courtlog::site {
namespace {

namespace fs = std::filesystem;
using testing::gameEnding;
using testing::readFile;
using testing::ScratchFolder;

// Every file under folder with its bytes, so a test can tell whether
// anything changed.
std::map<std::string, std::string> contentsOf(const fs::path& folder) {
    std::map<std::string, std::string> files;
    if (!fs::exists(folder)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[fs::relative(entry.path(), folder).string()] = entry.is_regular_file() ? readFile(entry.path()) : "/";
    return files;
}

std::vector<std::string> linksOf(const std::string& page) {
    static const std::regex link("(?:href|src)=\"([^\"]*)\"");
    std::vector<std::string> links;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), link); it != std::sregex_iterator(); ++it)
        links.push_back((*it)[1]);
    return links;
}

class SiteBuildTest : public ::testing::Test {
protected:
    void SetUp() override {
        games = {folder.saveGame(gameEnding("Hawks", 60, "Owls", 50, 3, 2), "week1.gam"),
                 folder.saveGame(gameEnding("Lynx", 40, "Hawks", 41, 3, 9), "week2.gam"),
                 folder.saveGame(gameEnding("Owls", 30, "Lynx", 33, 3, 16), "week3.gam")};
        site = folder.file("site");
    }

    SiteOutcome build(std::vector<std::string> files, const SiteProgress& progress = {}) const {
        SiteRequest request;
        request.folder = site;
        request.title = "Spring League";
        request.games = std::move(files);
        request.now = {2024, 3, 20, 12, 0, 0};
        return buildSite(request, progress);
    }

    // Nothing is left beside the site's folder but what the test made.
    void expectNothingLeftBeside() const {
        for (const std::string& name : folder.names())
            EXPECT_TRUE(name == "site" || name.ends_with(".gam") || name == "other") << "left behind: " << name;
    }

    ScratchFolder folder;
    std::vector<std::string> games;
    std::string site;
};

TEST_F(SiteBuildTest, BuildsEveryPageWithEveryLinkResolvingInsideTheFolder) {
    std::vector<std::pair<std::size_t, std::size_t>> steps;
    SiteProgress progress;
    progress.step = [&steps](std::size_t done, std::size_t total) { steps.emplace_back(done, total); };
    const SiteOutcome outcome = build(games, progress);
    ASSERT_EQ(outcome.result, SiteOutcome::Result::Built) << outcome.message;
    EXPECT_EQ(outcome.pages, 3u + 3u + 1u);
    EXPECT_EQ(outcome.index, fs::weakly_canonical(site + "/index.html").string());
    EXPECT_EQ(steps, (std::vector<std::pair<std::size_t, std::size_t>>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));

    const auto files = contentsOf(site);
    for (const char* name : {"index.html", "style.css", "game-week1.html", "game-week2.html", "game-week3.html",
                             "team-hawks.html", "team-owls.html", "team-lynx.html", ".courtlog-site"})
        EXPECT_TRUE(files.count(name)) << name;
    EXPECT_EQ(files.size(), 9u);
    for (const auto& [name, bytes] : files) {
        if (!name.ends_with(".html")) continue;
        EXPECT_EQ(bytes.rfind("<!DOCTYPE html>", 0), 0u) << name;
        EXPECT_EQ(bytes.find("<script"), std::string::npos) << name;
        EXPECT_EQ(bytes.find("://"), std::string::npos) << name;  // nothing from elsewhere
        for (const std::string& link : linksOf(bytes)) {
            EXPECT_TRUE(files.count(link.substr(0, link.find('#')))) << name << " links to " << link;
            EXPECT_EQ(link.find('/'), std::string::npos) << name << " links to " << link;
        }
    }
    EXPECT_NE(files.at("index.html").find("<h1>Spring League</h1>"), std::string::npos);
}

TEST_F(SiteBuildTest, BuildingAgainReplacesTheWholeSiteAndKeepsTheFoldersPermissions) {
    ASSERT_EQ(build(games).result, SiteOutcome::Result::Built);
    ::chmod(site.c_str(), 0750);
    ASSERT_EQ(build({games[0], games[0]}).result, SiteOutcome::Result::Built);
    const auto files = contentsOf(site);
    EXPECT_TRUE(files.count("game-week1.html"));
    EXPECT_FALSE(files.count("game-week2.html"));  // the game left out goes with its page
    EXPECT_FALSE(files.count("team-lynx.html"));
    struct stat status {};
    ASSERT_EQ(::stat(site.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0750u);
    expectNothingLeftBeside();
}

ino_t inodeOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_ino;
}

TEST_F(SiteBuildTest, APageThatComesOutAsBeforeKeepsItsFileUnlessItWasChangedSince) {
    ASSERT_EQ(build(games).result, SiteOutcome::Result::Built);
    const ino_t week1 = inodeOf(site + "/game-week1.html");
    const ino_t index = inodeOf(site + "/index.html");
    // Someone fixed a typo in the second game's page by hand, keeping its size.
    const std::string original = readFile(site + "/game-week2.html");
    std::string edited = original;
    edited[edited.find("<h1>") + 4] = ' ';
    testing::writeFile(site + "/game-week2.html", edited);

    SiteRequest later;
    later.folder = site;
    later.title = "Spring League";
    later.games = games;
    later.now = {2024, 3, 27, 12, 0, 0};
    ASSERT_EQ(buildSite(later).result, SiteOutcome::Result::Built);
    EXPECT_EQ(inodeOf(site + "/game-week1.html"), week1);
    EXPECT_NE(inodeOf(site + "/index.html"), index);  // dated anew
    EXPECT_NE(readFile(site + "/index.html").find("on 3/27/2024 at 12:00"), std::string::npos);
    EXPECT_EQ(readFile(site + "/game-week2.html"), original);
    expectNothingLeftBeside();
}

TEST_F(SiteBuildTest, AGameNamedTwiceIsReadOnce) {
    const SiteOutcome outcome = build({games[0], folder.path() + "/./week1.gam"});
    ASSERT_EQ(outcome.result, SiteOutcome::Result::Built);
    ASSERT_EQ(outcome.warnings.size(), 1u);
    EXPECT_EQ(outcome.warnings[0], "Named twice, read once: " + folder.path() + "/./week1.gam");
    EXPECT_NE(readFile(site + "/index.html").find("<td>1</td><td>1</td>"), std::string::npos);
}

TEST_F(SiteBuildTest, ADamagedGameIsNamedAndLeavesTheFolderExactlyAsItWas) {
    ASSERT_EQ(build(games).result, SiteOutcome::Result::Built);
    const auto before = contentsOf(site);
    const std::string damaged = folder.file("damaged.gam");
    std::vector<std::uint8_t> bytes = testing::readBytes(games[1]);
    bytes.resize(bytes.size() - 30);  // the last play cut short
    testing::writeBytes(damaged, bytes);

    const SiteOutcome outcome = build({games[0], damaged, games[2]});
    EXPECT_EQ(outcome.result, SiteOutcome::Result::Failed);
    EXPECT_EQ(outcome.message.rfind("Can't load game ! " + damaged, 0), 0u) << outcome.message;
    EXPECT_EQ(contentsOf(site), before);
    expectNothingLeftBeside();
}

TEST_F(SiteBuildTest, AStoppedBuildLeavesTheFolderAsItWas) {
    ASSERT_EQ(build(games).result, SiteOutcome::Result::Built);
    const auto before = contentsOf(site);
    SiteProgress progress;
    int asked = 0;
    progress.stopRequested = [&asked] { return ++asked > 2; };
    EXPECT_EQ(build({games[0], games[1]}, progress).result, SiteOutcome::Result::Stopped);
    EXPECT_EQ(contentsOf(site), before);
    expectNothingLeftBeside();
}

TEST_F(SiteBuildTest, AFolderOfOtherFilesIsRefusedAndNotTouched) {
    fs::create_directory(site);
    testing::writeFile(site + "/taxes.ods", "mine");
    SiteOutcome outcome = build(games);
    EXPECT_EQ(outcome.result, SiteOutcome::Result::Failed);
    EXPECT_EQ(outcome.message,
              site + " holds files this program did not make (taxes.ods); choose a new or empty folder for the site");
    EXPECT_EQ(contentsOf(site), (std::map<std::string, std::string>{{"taxes.ods", "mine"}}));

    // Nor is a file added to a site afterwards thrown away.
    fs::remove(site + "/taxes.ods");
    ASSERT_EQ(build(games).result, SiteOutcome::Result::Built);
    testing::writeFile(site + "/logo.png", "picture");
    outcome = build(games);
    EXPECT_EQ(outcome.result, SiteOutcome::Result::Failed);
    EXPECT_NE(outcome.message.find("(logo.png)"), std::string::npos) << outcome.message;
    EXPECT_EQ(readFile(site + "/logo.png"), "picture");

    testing::writeFile(folder.file("other"), "a file");
    SiteFolder onAFile;
    std::string error;
    EXPECT_FALSE(onAFile.begin(folder.file("other"), error));
    EXPECT_EQ(error, folder.file("other") + " is a file, not a folder");
    expectNothingLeftBeside();
}

}  // namespace
}  // namespace courtlog::site
