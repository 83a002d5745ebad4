#include "core/handheld/PalmDesktop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/handheld/PalmUserChoice.h"

using namespace courtlog::handheld;
using courtlog::testing::ScratchFolder;
namespace fs = std::filesystem;

namespace {

// A Palm desktop folder with the given users, each with Install/ and Backup/.
std::string palmFolderWith(const ScratchFolder& scratch, const std::vector<std::string>& users) {
    const std::string palm = scratch.file("Palm");
    fs::create_directories(palm);
    for (const std::string& user : users) {
        fs::create_directories(palm + "/" + user + "/Install");
        fs::create_directories(palm + "/" + user + "/Backup");
    }
    return palm;
}

struct FindCase {
    const char* what;
    bool homePalmExists;
    const char* configured;  // "" none, "set" an existing folder, "gone" a missing one
    const char* expected;    // "home", "set" or "" for none
};

void PrintTo(const FindCase& c, std::ostream* os) { *os << c.what; }

class PalmDesktopFolder : public ::testing::TestWithParam<FindCase> {};

TEST_P(PalmDesktopFolder, IsTheOneSetOrElseHomePalm) {
    const FindCase& c = GetParam();
    ScratchFolder scratch;
    const std::string home = scratch.file("home");
    fs::create_directories(home);
    if (c.homePalmExists) fs::create_directories(home + "/Palm");
    fs::create_directories(scratch.file("set"));
    const std::string configured = std::string(c.configured).empty() ? "" : scratch.file(c.configured);

    const std::optional<PalmDesktop> desktop = PalmDesktop::find(configured, home);
    const std::string expected = std::string(c.expected) == "home" ? home + "/Palm"
                                 : std::string(c.expected).empty() ? ""
                                                                   : scratch.file(c.expected);
    EXPECT_EQ(desktop ? desktop->folder() : "", expected);
}

INSTANTIATE_TEST_SUITE_P(Table, PalmDesktopFolder,
                         ::testing::Values(FindCase{"none set home Palm exists", true, "", "home"},
                                           FindCase{"none set no home Palm", false, "", ""},
                                           FindCase{"one set", true, "set", "set"},
                                           FindCase{"one set that is gone", true, "gone", ""}),
                         courtlog::testing::NameFromWhat{});

TEST(PalmDesktop, UsersAreTheVisibleSubFoldersSortedByName) {
    ScratchFolder scratch;
    const std::string palm = palmFolderWith(scratch, {"bob", "Alice", "carl", ".hidden"});
    courtlog::testing::writeFile(palm + "/notes.txt", "not a user");
    EXPECT_EQ(PalmDesktop(palm).users(), (std::vector<std::string>{"Alice", "bob", "carl"}));
}

struct UserChoiceCase {
    const char* what;
    std::vector<std::string> users;
    PalmUserChoice::Step step;
    int selected;
    std::string chosen;  // "" none
};

void PrintTo(const UserChoiceCase& c, std::ostream* os) { *os << c.what; }

class PalmUserChoosing : public ::testing::TestWithParam<UserChoiceCase> {};

TEST_P(PalmUserChoosing, AsksOnlyWhenThereIsAChoice) {
    const UserChoiceCase& c = GetParam();
    ScratchFolder scratch;
    const std::string palm = palmFolderWith(scratch, c.users);
    const PalmUserChoice choice = PalmUserChoice::start(palm, "", PalmUserPurpose::TeamImport);
    EXPECT_EQ(choice.step, c.step);
    EXPECT_EQ(choice.users, c.users);
    EXPECT_EQ(choice.chosen(c.selected).value_or(""), c.chosen);
    if (c.users.empty()) {
        EXPECT_EQ(choice.message.text, "Cannot Import Team From Palm");
        EXPECT_EQ(choice.message.caption, "No Users Found");
    }
}

using Step = PalmUserChoice::Step;
INSTANTIATE_TEST_SUITE_P(
    Table, PalmUserChoosing,
    ::testing::Values(UserChoiceCase{"no users", {}, Step::NoUsers, -1, ""},
                      UserChoiceCase{"one user taken without asking", {"Ann"}, Step::OnlyUser, -1, "Ann"},
                      UserChoiceCase{"two users second selected", {"Ann", "Ben"}, Step::AskUser, 1, "Ben"},
                      UserChoiceCase{"two users none selected", {"Ann", "Ben"}, Step::AskUser, -1, ""}),
    courtlog::testing::NameFromWhat{});

struct NewUserCase {
    const char* what;
    std::string name;
    std::string problemStart;  // "" when the user can be added
};

void PrintTo(const NewUserCase& c, std::ostream* os) { *os << c.what; }

class NewPalmUser : public ::testing::TestWithParam<NewUserCase> {};

TEST_P(NewPalmUser, GetsAFolderWithInstallAndBackupOrNothing) {
    const NewUserCase& c = GetParam();
    ScratchFolder scratch;
    const std::string palm = palmFolderWith(scratch, {"Alice"});
    courtlog::testing::writeFile(palm + "/notes", "a file, not a user");
    const PalmDesktop desktop(palm);

    const HandheldOutcome added = desktop.addUser(c.name);
    EXPECT_EQ(added.ok, c.problemStart.empty());
    EXPECT_EQ(added.message.text.substr(0, c.problemStart.size()), c.problemStart);
    if (added) {
        EXPECT_TRUE(fs::is_directory(desktop.installFolder(c.name)));
        EXPECT_TRUE(fs::is_directory(desktop.backupFolder(c.name)));
        EXPECT_EQ(desktop.users().size(), 2u);
    } else {
        EXPECT_EQ(desktop.users(), std::vector<std::string>{"Alice"});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, NewPalmUser,
    ::testing::Values(NewUserCase{"plain name", "Ben Carter", ""},
                      NewUserCase{"empty", "", "Type the name"},
                      NewUserCase{"same name other case", "ALICE", "The Palm user Alice is already there."},
                      NewUserCase{"name of a file there", "notes", "There is already a file named notes"},
                      NewUserCase{"slash", "a/b", "A Palm user's name can't hold"},
                      NewUserCase{"line break", "an\nn", "A Palm user's name can't hold"},
                      NewUserCase{"too long", std::string(255, 'x'), "A Palm user's name can have at most 254"}),
    courtlog::testing::NameFromWhat{});

TEST(PalmDesktop, AFirstUserMakesTheDefaultFolder) {
    ScratchFolder scratch;
    const PalmDesktop desktop(PalmDesktop::defaultFolder(scratch.path()));
    ASSERT_TRUE(desktop.addUser("Ann"));
    EXPECT_EQ(PalmDesktop::find("", scratch.path())->users(), std::vector<std::string>{"Ann"});
}

TEST(PalmDesktop, ImportsStartInTheUsersBackupFolder) {
    ScratchFolder scratch;
    const std::string palm = palmFolderWith(scratch, {"Ann"});
    fs::create_directories(palm + "/Ben");  // a user without Backup/
    const PalmDesktop desktop(palm);
    EXPECT_EQ(desktop.importStartFolder("Ann"), palm + "/Ann/Backup");
    EXPECT_EQ(desktop.importStartFolder("Ben"), palm + "/Ben");
}

}  // namespace
