#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/records/SettingsLocation.h"

using namespace courtlog;
namespace fs = std::filesystem;

namespace {

// One row: what the environment holds, whether the start folder has its own
// crtlog.ini, and the folder found ("START" stands for the start folder).
struct LocationCase {
    const char* what;
    std::optional<std::string> xdgConfigHome;
    std::optional<std::string> home;
    bool startFolderHasSettings;
    std::string expectedFolder;
    bool expectedPortable;
};

class SettingsLocationRules : public ::testing::TestWithParam<LocationCase> {};

TEST_P(SettingsLocationRules, FindTheFolder) {
    const LocationCase& c = GetParam();
    courtlog::testing::ScratchFolder start;
    if (c.startFolderHasSettings) courtlog::testing::writeFile(start.file("crtlog.ini"), "");
    std::map<std::string, std::string> environment;
    if (c.xdgConfigHome) environment["XDG_CONFIG_HOME"] = *c.xdgConfigHome;
    if (c.home) environment["HOME"] = *c.home;
    const SettingsLocation found = findSettingsLocation(start.path(), [&](const char* name) -> const char* {
        const auto it = environment.find(name);
        return it == environment.end() ? nullptr : it->second.c_str();
    });
    EXPECT_EQ(found.folder, c.expectedFolder == "START" ? start.path() : c.expectedFolder);
    EXPECT_EQ(found.portable, c.expectedPortable);
    EXPECT_EQ(found.settingsFile(), found.folder + "/crtlog.ini");
    EXPECT_EQ(found.fileBeside("crtlog-handheld.ini"), found.folder + "/crtlog-handheld.ini");
}

INSTANTIATE_TEST_SUITE_P(
    Environment, SettingsLocationRules,
    ::testing::Values(LocationCase{"config home set", "/cfg", "/home/ann", false, "/cfg/courtlog", false},
                      LocationCase{"config home unset uses home", std::nullopt, "/home/ann", false,
                                   "/home/ann/.config/courtlog", false},
                      LocationCase{"relative config home is ignored", "cfg", "/home/ann", false,
                                   "/home/ann/.config/courtlog", false},
                      LocationCase{"start folder file wins over config home", "/cfg", "/home/ann", true,
                                   "START", true},
                      LocationCase{"start folder file wins without environment", std::nullopt, std::nullopt,
                                   true, "START", true},
                      LocationCase{"no home at all keeps the start folder", std::nullopt, std::nullopt, false,
                                   "START", false},
                      LocationCase{"relative home is no home", std::nullopt, "ann", false, "START", false}),
    courtlog::testing::NameFromWhat{});

TEST(SettingsLocation, AFolderNamedLikeTheSettingsFileIsNoPortableSetup) {
    courtlog::testing::ScratchFolder start;
    fs::create_directory(start.file("crtlog.ini"));
    const SettingsLocation found = findSettingsLocation(
        start.path(), [](const char* name) { return std::string(name) == "HOME" ? "/h" : nullptr; });
    EXPECT_FALSE(found.portable);
    EXPECT_EQ(found.folder, "/h/.config/courtlog");
}

TEST(SettingsLocation, TheFolderIsMadeWithItsParentsForTheUserAlone) {
    courtlog::testing::ScratchFolder scratch;
    const SettingsLocation location{scratch.file("config/deeper/courtlog"), false};
    std::string error;
    ASSERT_TRUE(makeSettingsFolder(location, &error)) << error;
    for (const char* made : {"config", "config/deeper", "config/deeper/courtlog"}) {
        struct stat info {};
        ASSERT_EQ(stat(scratch.file(made).c_str(), &info), 0) << made;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << made;
    }
    // A folder that is already there is left as it is.
    fs::permissions(location.folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    EXPECT_TRUE(makeSettingsFolder(location));
    EXPECT_EQ(fs::status(location.folder).permissions() & fs::perms::group_read, fs::perms::group_read);
}

TEST(SettingsLocation, AFileInTheWayIsAReason) {
    courtlog::testing::ScratchFolder scratch;
    courtlog::testing::writeFile(scratch.file("config"), "not a folder");
    std::string error;
    EXPECT_FALSE(makeSettingsFolder({scratch.file("config/courtlog"), false}, &error));
    EXPECT_NE(error.find(scratch.file("config")), std::string::npos) << error;
}

}  // namespace
